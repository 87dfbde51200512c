// The harness's own calendar clock: it stands in front of the C library's `time`, so the game
// seeds its generator from the script's clock instead of the real time.
#pragma once

#include <time.h>

#ifdef __cplusplus
extern "C" {
#endif

// From now on every call of time() returns this value.
void SetFixedClock(time_t seconds);

#ifdef __cplusplus
}
#endif
