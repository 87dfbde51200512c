// The frame every layer shares: the moon's centre is the origin, +y points up where the lander
// starts, and the moon's nominal sphere has this radius. The lander lands on that sphere, the
// terrain is grown about it and the scenery is placed from it.
#pragma once

constexpr double kMoonRadius = 700.0;
