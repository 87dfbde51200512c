// OpenGL entry points of the test program's own that write down every call GLU makes, with
// exact values, and answer its queries from a small state of their own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace recorder {

// One line a call; vector calls are written as their scalar forms, and single and double
// precision arguments alike as the exact value in hexadecimal.
std::vector<std::string>& Calls();
// Starts a new recording with OpenGL's initial unpacking state and this largest texture size.
void Reset(int maxTextureSize = 1024);
void SetUnpack(unsigned pname, int value);

} // namespace recorder
