// Guards internal invariants: a failed check names the expression, the source and the line,
// then stops the program.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FW_ASSERT(expr)                                                                            \
    ((expr) ? (void)0                                                                              \
            : (std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", #expr, __FILE__,   \
                            __LINE__),                                                             \
               std::abort()))
