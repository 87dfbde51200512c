// The framework's messages to the user on standard output.
#pragma once

namespace framework {
// Writes the text unchanged and flushes it at once: when the output is a file or a pipe, a
// message must not wait in the buffer of a process that is then ended from outside.
void PrintToConsole(const char* text);
} // namespace framework
