// How a subdivision mesh is drawn.
#pragma once

enum DrawMode {
    Wire = 0,
    Flat = 1,
    Smooth = 2,
    HeightColoured = 3,
};
