// One triangle of a subdivision quadtree. A node owns its four children; its edges and their
// vertices are shared with its neighbours and reference counted.
#pragma once

#include "scene/Vec3.h"

class HeightTable;
class TriEdge;
class TriVertex;

class TriNode {
  public:
    // Values of the `permanent` arguments: the construction pass makes nodes that stay for the
    // mesh's life, the level-of-detail pass nodes that a later pass may collapse again.
    static constexpr bool kPermanent = true;
    static constexpr bool kCollapsible = false;
    // Values of `ownsEdges`: whether the node frees its edges that nothing uses any more.
    static constexpr bool kOwnsEdges = true;
    static constexpr bool kSharesEdges = false;
    // A root's level, and so the depth a pass starts from.
    static constexpr int kRootLevel = 0;

    // Takes a reference on the three edges, which must form a cycle: e0 ends where e1 starts,
    // e1 where e2 starts, e2 where e0 starts.
    TriNode(TriNode* parent, bool permanent, TriEdge* e0, TriEdge* e1, TriEdge* e2, bool flipped,
            bool ownsEdges);
    // Frees the children, leaves the corners' face lists and drops the edges, freeing the
    // unused ones when this node owns its edges.
    ~TriNode();
    TriNode(const TriNode&) = delete;
    TriNode& operator=(const TriNode&) = delete;

    bool IsLeaf() const { return children[0] == nullptr; }
    // Corner i is where edges[i] starts.
    TriVertex* Corner(int i) const;

    // Splits this leaf into four children of level d.
    void Subdivide(int d, bool permanent, double radius, HeightTable* table);
    // Construction pass: splits every node down to level depthLimit - 1.
    void SubdivideToDepth(int depth, bool permanent, double radius, HeightTable* table,
                          int depthLimit);
    // Level-of-detail pass: splits leaves near point one level further and collapses
    // refinements that are out of reach.
    void RefineNear(const Vec3& point, double reach, int depth, bool permanent, double radius,
                    HeightTable* table, int depthLimit);
    // True when point is closer than reach / d to the centroid and d is under the limit.
    bool IsNear(const Vec3& point, double reach, int d, int depthLimit) const;
    // Removes children that are not permanent, with the edge halves no neighbour still uses.
    void Collapse();
    // Registers every leaf below at its three corners.
    void RegisterCorners();

    // Nodes alive in the process, counted where they are made and freed.
    static long LiveCount() { return liveCount; }

    Vec3 normal;
    bool ownsEdges;
    bool flipped;
    bool rough = false;
    TriNode* children[4] = {nullptr, nullptr, nullptr, nullptr};
    TriEdge* edges[3];
    TriNode* parent;
    int level;
    bool permanent;

  private:
    void ClearCornerFaces();

    static long liveCount;
};
