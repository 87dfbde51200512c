#include "terrain/TreeGrowth.h"

#include "terrain/TriTree.h"

void GrowTrees(const OctahedronSeed& seed, TriTree** roots, int count, Relief relief,
               EdgeOwner edgeOwner, double radius, HeightTable* table) {
    for (int i = 0; i < count; ++i)
        roots[i] = seed.MakeTree(i, edgeOwner);
    for (int i = 0; i < count; ++i) {
        roots[i]->root->rough = relief == Relief::Rough;
        roots[i]->root->SubdivideToDepth(TriNode::kRootLevel, TriNode::kPermanent, radius, table,
                                         kBuildDepthLimit);
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
