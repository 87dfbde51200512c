// The moon: a rough ball grown from all eight faces of the octahedron, refined one level
// further around a moving point and drawn in one of four styles.
#pragma once

#include "scene/Rgba.h"
#include "scene/Vec3.h"
#include "terrain/DrawMode.h"
#include "terrain/OctahedronSeed.h"

class ColourRamp;
class TriTree;

class Terrain {
  public:
    static const int rootCount = OctahedronSeed::faceCount;

    explicit Terrain(double radius);
    // Destroys the trees, then the seed's edges and vertices, then the colour table.
    ~Terrain();
    Terrain(const Terrain&) = delete;
    Terrain& operator=(const Terrain&) = delete;

    // Refines the surface around point (world coordinates) and collapses refinements left
    // behind.
    void UpdateDetail(const Vec3& point);
    // Draws with the current modelview matrix.
    void Draw();
    // Values outside Wire..HeightColoured become Wire, so stepping past the last style wraps.
    void SetDrawMode(int mode);

    Rgba colour;
    DrawMode drawMode;
    ColourRamp* heightColours;
    double radius;
    TriTree* roots[rootCount] = {};

  private:
    OctahedronSeed seed;
};
