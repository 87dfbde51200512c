// The one application object of the program. It is built before main runs and destroyed by an
// exit handler after main returns, before the framework's host.
#include "game/LanderApp.h"

LanderApp theGame;
