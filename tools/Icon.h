// The game's icon for desktop menus: the lander hopping over the moon on a round night sky.
#pragma once

#include "tools/Supersample.h"

// A square icon `size` pixels wide; transparent outside its round badge.
CoveredCanvas PaintIcon(int size);
