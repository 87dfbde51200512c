// A full octahedron seed with all eight roots as trees, freed the way an owner whose roots do
// not own their edges frees them.
#pragma once

#include "terrain/OctahedronSeed.h"
#include "terrain/TriTree.h"

struct Octahedron {
    explicit Octahedron(double radius, bool rough = true) : seed(radius, SeedPart::Whole) {
        for (int i = 0; i < OctahedronSeed::faceCount; ++i) {
            trees[i] = seed.MakeTree(i, EdgeOwner::Seed);
            trees[i]->root->rough = rough;
        }
    }
    ~Octahedron() {
        for (TriTree* t : trees)
            delete t;
        seed.ReleaseUnusedEdges();
    }
    Octahedron(const Octahedron&) = delete;
    Octahedron& operator=(const Octahedron&) = delete;

    TriNode* Root(int i) const { return trees[i]->root; }

    OctahedronSeed seed;
    TriTree* trees[OctahedronSeed::faceCount];
};
