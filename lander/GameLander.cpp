#include "lander/GameLander.h"

Lander* NewGameLander() {
    Lander* lander = new Lander(20.0, 5.0, 20.0, 20.0, 5.0);
    PlaceAtStart(*lander);
    return lander;
}

void PlaceAtStart(Lander& lander) {
    lander.Place(0.0, kLanderStartHeight, 0.0);
    lander.gravity = kMoonGravity;
}
