// Where a camera stands, what it looks at and which way is up: the arguments of gluLookAt.
#pragma once

#include "scene/Vec3.h"

#include "platform/Win32.h"

struct CameraPose {
    Vec3 eye;
    Vec3 target;
    Vec3 up;

    // Multiplies the current matrix by the view transformation.
    void Look() const {
        gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, up.x, up.y, up.z);
    }
};
