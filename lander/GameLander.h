// The lander as the game flies it: how it is built, where it starts, the moon's pull on it and
// the step the game advances it by every frame.
#pragma once

#include "lander/Lander.h"
#include "scene/World.h"

// It starts upright above the top of the moon.
constexpr double kLanderStartHeight = kMoonRadius + 30; // 730

// The magnitude of the moon's pull.
constexpr double kMoonGravity = 1.6;

// One simulation step per frame, in the single-precision value the physics was tuned with.
constexpr double kLanderStep = 0.2f;

// A new lander of the game's build (a body 20 wide, 5 high and 20 deep; legs reaching 5 out and
// 20 down) standing at the start, pulled by the moon. The caller owns it.
Lander* NewGameLander();

// Puts the lander back at the start, standing, and pulled by the moon again (placing it clears
// its gravity).
void PlaceAtStart(Lander& lander);
