// Where the scene's objects stand and which light is which: the application builds the scene
// from these and both windows draw it from them, so the two always agree.
#pragma once

#include "scene/World.h"

// The application's two spheres, in the order of its array.
enum SceneSphere { BlueSphere, RedSphere, kSceneSphereCount };

// The base is four boxes.
constexpr int kBaseBoxCount = 4;

// The five lights, in the order of the application's array. The coloured pair shines from the
// two spheres and turns with them; the white pair comes from the same two directions and stands
// in for the coloured one when the keyboard swaps them; the spotlight rides on the lander's
// camera.
enum SceneLight {
    BlueLight,
    RedLight,
    Spotlight,
    WhiteBlueLight,
    WhiteRedLight,
    kSceneLightCount,
};

// Each light drives OpenGL light (its place in the array + 1): GL_LIGHT0 is left unused.
constexpr int OpenGLLightNumber(SceneLight light) {
    return light + 1;
}

// The spotlight's cone: it lights the whole half-space in front of the camera (a cut-off of 90
// degrees), brightest along the camera's axis.
constexpr double kSpotlightCutoff = 90.0;
constexpr double kSpotlightExponent = 10.0;

// The spheres sit this far along y from the moon's centre before the windows turn them about x;
// their lights point the same way.
constexpr double kBlueSphereOrbit = 2800.0;
constexpr double kRedSphereOrbit = -4200.0;

// The landing disk lies just above the top of the moon's sphere, where the lander starts.
constexpr double kLandingDiskHeight = kMoonRadius + 1; // 701

// The base: the plane its boxes stand on lies 14 inside the moon's sphere, in a frame turned
// about z. The large dome stands in the same frame, its centre low enough that its rim is buried.
constexpr double kBaseTurn = 25.0;
constexpr double kBasePlane = kMoonRadius - 14;     // 686
constexpr double kBigDomeCentre = kMoonRadius - 70; // 630

// The small dome stands on the moon's sphere, turned about z and then about x.
constexpr double kSmallDomeTurnZ = 17.0;
constexpr double kSmallDomeTurnX = 19.0;
constexpr double kSmallDomeBase = kMoonRadius;
