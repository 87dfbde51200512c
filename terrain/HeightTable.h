// Colours by distance from the mesh centre. The mesh widens the table's range with every new
// midpoint and asks it for a colour per corner when drawing height-coloured.
#pragma once

#include "scene/Rgba.h"

class HeightTable {
  public:
    virtual ~HeightTable() = default;
    virtual void Widen(double height) = 0;
    virtual Rgba Lookup(double height) const = 0;
};
