#include "terrain/OctahedronSeed.h"

#include "terrain/TriEdge.h"
#include "terrain/TriTree.h"
#include "terrain/TriVertex.h"

namespace {
enum { PlusY, MinusX, PlusZ, PlusX, MinusZ, MinusY };

const double directions[OctahedronSeed::vertexCount][3] = {
    {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}, {1, 0, 0}, {0, 0, -1}, {0, -1, 0},
};

struct EdgeSpec {
    int start, end;
    bool upper;
};
const EdgeSpec edgeSpecs[OctahedronSeed::edgeCount] = {
    {MinusX, PlusY, true},   {PlusZ, MinusX, true},  {PlusY, PlusZ, true},
    {PlusZ, PlusX, true},    {PlusX, PlusY, true},   {PlusY, MinusZ, true},
    {MinusX, MinusY, false}, {MinusY, PlusZ, false}, {MinusY, MinusZ, false},
    {PlusX, MinusY, false},  {MinusZ, PlusX, true},  {MinusZ, MinusX, true},
};

struct FaceSpec {
    int edges[3]; // 1-based edge numbers
    bool flipped;
};
const FaceSpec faceSpecs[OctahedronSeed::faceCount] = {
    {{2, 1, 3}, true},  {{3, 4, 5}, false}, {{5, 6, 11}, true},   {{6, 12, 1}, false},
    {{2, 7, 8}, false}, {{4, 10, 8}, true}, {{11, 10, 9}, false}, {{12, 7, 9}, true},
};
} // namespace

OctahedronSeed::OctahedronSeed(double radius, SeedPart part) {
    const bool upperHalfOnly = part == SeedPart::UpperHalf;
    int made = upperHalfOnly ? vertexCount - 1 : vertexCount;
    for (int i = 0; i < made; ++i) {
        const double* d = directions[i];
        vertices[i] = new TriVertex(Vec3(d[0] * radius, d[1] * radius, d[2] * radius));
    }
    for (int i = 0; i < edgeCount; ++i) {
        const EdgeSpec& e = edgeSpecs[i];
        if (upperHalfOnly && !e.upper)
            continue;
        edges[i] = new TriEdge(vertices[e.start], vertices[e.end]);
    }
}

TriTree* OctahedronSeed::MakeTree(int f, EdgeOwner owner) const {
    if (f < 0 || f >= faceCount)
        return nullptr;
    const FaceSpec& face = faceSpecs[f];
    for (int e : face.edges) {
        if (edges[e - 1] == nullptr)
            return nullptr;
    }
    const bool ownsEdges = owner == EdgeOwner::Roots ? TriNode::kOwnsEdges : TriNode::kSharesEdges;
    return new TriTree(TriNode::kPermanent, edges[face.edges[0] - 1], edges[face.edges[1] - 1],
                       edges[face.edges[2] - 1], face.flipped, ownsEdges);
}

void OctahedronSeed::ReleaseUnusedEdges() {
    for (TriEdge*& e : edges) {
        if (e != nullptr && e->refs == 0) {
            delete e;
            e = nullptr;
        }
    }
    for (TriVertex*& v : vertices)
        v = nullptr;
}
