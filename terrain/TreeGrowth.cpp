#include "terrain/TreeGrowth.h"

#include "terrain/OctahedronSeed.h"
#include "terrain/TriTree.h"

void GrowTrees(const OctahedronSeed& seed, TriTree** roots, int count, bool rough, bool ownsEdges,
               double radius, HeightTable* table) {
    for (int i = 0; i < count; ++i)
        roots[i] = seed.MakeTree(i, ownsEdges);
    for (int i = 0; i < count; ++i) {
        roots[i]->root->rough = rough;
        roots[i]->root->SubdivideToDepth(0, true, radius, table, kBuildDepthLimit);
    }
    for (int i = 0; i < count; ++i)
        roots[i]->root->RegisterCorners();
}

void DeleteTrees(TriTree** roots, int count) {
    for (int i = 0; i < count; ++i) {
        delete roots[i];
        roots[i] = nullptr;
    }
}
