/* Written in C: C++ would have to repeat the C library's exception specification of time(). */
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
