#include "terrain/TriNode.h"

#include "scene/Random.h"
#include "terrain/HeightTable.h"
#include "terrain/SplitSeed.h"
#include "terrain/TriEdge.h"
#include "terrain/TriVertex.h"

long TriNode::liveCount = 0;

TriNode::TriNode(TriNode* parent, bool permanent, TriEdge* e0, TriEdge* e1, TriEdge* e2,
                 bool flipped, bool ownsEdges)
    : ownsEdges(ownsEdges), flipped(flipped), edges{e0, e1, e2}, parent(parent),
      level(parent != nullptr ? parent->level + 1 : kRootLevel), permanent(permanent) {
    for (TriEdge* e : edges)
        ++e->refs;
    if (parent != nullptr)
        rough = parent->rough;
    normal =
        Cross(e0->start->position - e0->end->position, e1->start->position - e1->end->position);
    normal.Normalize();
    if (flipped)
        normal = Vec3(-normal.x, -normal.y, -normal.z);
    ++liveCount;
}

TriNode::~TriNode() {
    for (TriNode*& child : children) {
        delete child;
        child = nullptr;
    }
    // A vertex that a neighbour keeps alive must not hand this node out as a face later.
    for (TriEdge* e : edges)
        e->start->RemoveFace(this);
    for (TriEdge* e : edges) {
        if (--e->refs == 0 && ownsEdges)
            delete e;
    }
    --liveCount;
}

TriVertex* TriNode::Corner(int i) const {
    return edges[i]->start;
}

void TriNode::ClearCornerFaces() {
    for (TriEdge* e : edges)
        e->start->faceCount = 0;
}

void TriNode::Subdivide(int d, bool permanent, double radius, HeightTable* table) {
    if (!IsLeaf())
        return;
    SeedRandom(SplitSeed(edges[0]->start->position, d));
    for (TriEdge* e : edges) {
        double height = 0.0;
        if (e->Split(radius, rough, height) && table != nullptr && height > 0.0)
            table->Widen(height);
    }
    TriVertex* m0 = edges[0]->Midpoint();
    TriVertex* m1 = edges[1]->Midpoint();
    TriVertex* m2 = edges[2]->Midpoint();
    TriEdge* x = new TriEdge(m0, m2);
    TriEdge* y = new TriEdge(m1, m0);
    TriEdge* z = new TriEdge(m2, m1);
    children[0] = new TriNode(this, permanent, edges[0]->half[0], x, edges[2]->half[1], flipped,
                              kSharesEdges);
    children[1] = new TriNode(this, permanent, edges[1]->half[0], y, edges[0]->half[1], flipped,
                              kSharesEdges);
    children[2] = new TriNode(this, permanent, edges[2]->half[0], z, edges[1]->half[1], flipped,
                              kSharesEdges);
    // The centre triangle runs against its parent and alone frees the inner edges.
    children[3] = new TriNode(this, permanent, x, z, y, !flipped, kOwnsEdges);
}

void TriNode::SubdivideToDepth(int depth, bool permanent, double radius, HeightTable* table,
                               int depthLimit) {
    int d = depth + 1;
    if (d >= depthLimit)
        return;
    ClearCornerFaces();
    if (IsLeaf())
        Subdivide(d, permanent, radius, table);
    for (TriNode* child : children) {
        child->rough = rough;
        child->SubdivideToDepth(d, permanent, radius, table, depthLimit);
    }
}

bool TriNode::IsNear(const Vec3& point, double reach, int d, int depthLimit) const {
    if (d >= depthLimit)
        return false;
    Vec3 centroid =
        ((edges[0]->end->position + edges[1]->end->position) + edges[2]->end->position) / 3.0;
    return reach / d > (point - centroid).Length();
}

void TriNode::RefineNear(const Vec3& point, double reach, int depth, bool permanent, double radius,
                         HeightTable* table, int depthLimit) {
    ClearCornerFaces();
    int d = depth + 1;
    if (!IsLeaf()) {
        if (IsNear(point, reach, d, depthLimit)) {
            for (TriNode* child : children) {
                child->rough = rough;
                child->RefineNear(point, reach, d, permanent, radius, table, depthLimit);
            }
        } else {
            Collapse();
        }
    } else if (IsNear(point, reach, d, depthLimit)) {
        Subdivide(d, permanent, radius, table);
        for (TriNode* child : children)
            child->RefineNear(point, reach, d, permanent, radius, table, depthLimit);
    }
}

void TriNode::Collapse() {
    if (IsLeaf() || children[0]->permanent)
        return;
    for (TriNode*& child : children) {
        delete child;
        child = nullptr;
    }
    for (TriEdge* e : edges) {
        for (TriEdge*& half : e->half) {
            if (half != nullptr && half->refs == 0) {
                delete half;
                half = nullptr;
            }
        }
    }
}

void TriNode::RegisterCorners() {
    if (!IsLeaf()) {
        for (TriNode* child : children)
            child->RegisterCorners();
        return;
    }
    for (TriEdge* e : edges)
        e->start->AddFace(this);
}
