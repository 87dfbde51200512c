/* Written in C: in C++ this definition would have to repeat the noexcept that glibc
   declares time() with. */
#include "tests/harness/FixedClock.h"

static time_t fixedClock;

void SetFixedClock(time_t seconds) {
    fixedClock = seconds;
}

time_t time(time_t* out) {
    if (out)
        *out = fixedClock;
    return fixedClock;
}
