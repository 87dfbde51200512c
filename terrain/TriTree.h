// Owns the root of one subdivision quadtree; destroying it destroys the whole tree.
#pragma once

#include "terrain/TriNode.h"

class TriTree {
  public:
    TriTree(bool permanent, TriEdge* e0, TriEdge* e1, TriEdge* e2, bool flipped, bool ownsEdges)
        : root(new TriNode(nullptr, permanent, e0, e1, e2, flipped, ownsEdges)) {}
    ~TriTree() { delete root; }
    TriTree(const TriTree&) = delete;
    TriTree& operator=(const TriTree&) = delete;

    TriNode* root;
};
