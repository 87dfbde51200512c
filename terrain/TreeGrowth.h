// Growing a mesh's trees from an octahedron seed, and taking them down again: the same for the
// moon and for the domes.
#pragma once

#include "terrain/OctahedronSeed.h"

class HeightTable;
class TriTree;

// Whether splits displace their new midpoints at random (the moon) or put every one on the
// sphere (the domes).
enum class Relief { Smooth, Rough };

// The construction pass splits every node down to level 4, one below this limit.
constexpr int kBuildDepthLimit = 5;

// Makes a tree of each of the seed's faces 0 to count - 1 into roots and splits every one down
// to level 4, reporting every new height to table (if any). Then each registers its corners.
void GrowTrees(const OctahedronSeed& seed, TriTree** roots, int count, Relief relief,
               EdgeOwner edgeOwner, double radius, HeightTable* table);

// Destroys the trees and clears their places.
void DeleteTrees(TriTree** roots, int count);
