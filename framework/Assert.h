// Framework assertions: a failure names the expression, the source file and the line on
// standard error and stops the program. They stay on in every build.
#pragma once

namespace framework {
[[noreturn]] void AssertFailed(const char* expression, const char* file, int line);
}

#define FW_ASSERT(expr) ((expr) ? (void)0 : ::framework::AssertFailed(#expr, __FILE__, __LINE__))
