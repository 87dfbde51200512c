#include "terrain/Dome.h"

#include "platform/Win32.h"
#include "terrain/DrawTree.h"
#include "terrain/OctahedronSeed.h"
#include "terrain/TreeGrowth.h"
#include "terrain/TriTree.h"

Dome::Dome(double radius, const Rgba& colour) : colour(colour), radius(radius) {
    OctahedronSeed seed(radius, SeedPart::UpperHalf);
    GrowTrees(seed, roots, rootCount, Relief::Smooth, EdgeOwner::Roots, radius, nullptr);
}

Dome::~Dome() {
    DeleteTrees(roots, rootCount);
}

void Dome::Draw() {
    glColor4fv(colour.Data());
    for (TriTree* tree : roots)
        DrawTree(tree->root, Smooth, nullptr);
}
