// A new, empty folder under the system's temporary folder, for tests that write files.
#pragma once

#include <string>

// Creates a folder whose name starts with prefix; false when none could be made.
bool MakeScratchFolder(const std::string& prefix, std::string& path);
