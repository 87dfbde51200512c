// Growing a mesh's trees from an octahedron seed, and taking them down again: the same for the
// moon and for the domes.
#pragma once

class HeightTable;
class OctahedronSeed;
class TriTree;

// The construction pass splits every node down to level 4, one below this limit.
constexpr int kBuildDepthLimit = 5;

// Makes a tree of each of the seed's faces 0 to count - 1 into roots and splits every one down
// to level 4: rough trees with random displacement and every new height reported to table,
// smooth ones with every vertex on the sphere. Then each registers its corners.
void GrowTrees(const OctahedronSeed& seed, TriTree** roots, int count, bool rough, bool ownsEdges,
               double radius, HeightTable* table);

// Destroys the trees and clears their places.
void DeleteTrees(TriTree** roots, int count);
