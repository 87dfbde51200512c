#include "framework/Console.h"

#include <cstdio>

namespace framework {
void PrintToConsole(const char* text) {
    std::fputs(text, stdout);
    std::fflush(stdout);
}
} // namespace framework
