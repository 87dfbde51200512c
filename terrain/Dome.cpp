#include "terrain/Dome.h"

#include "platform/Win32.h"
#include "terrain/DrawTree.h"
#include "terrain/OctahedronSeed.h"
#include "terrain/TriTree.h"

namespace {
const int buildDepthLimit = 5;
} // namespace

Dome::Dome(double radius, const Rgba& colour) : colour(colour), radius(radius) {
    OctahedronSeed seed(radius, true);
    for (int i = 0; i < rootCount; ++i)
        roots[i] = seed.MakeTree(i, true);
    for (TriTree* tree : roots) {
        tree->root->rough = false;
        tree->root->SubdivideToDepth(0, true, radius, nullptr, buildDepthLimit);
    }
    for (TriTree* tree : roots)
        tree->root->RegisterCorners();
}

Dome::~Dome() {
    for (TriTree*& tree : roots) {
        delete tree;
        tree = nullptr;
    }
}

void Dome::Draw() {
    glColor4fv(colour.Data());
    for (TriTree* tree : roots)
        DrawTree(tree->root, Smooth, nullptr);
}
