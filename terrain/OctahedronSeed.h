// The octahedron that every subdivision mesh grows from: six vertices on the mesh's sphere,
// twelve directed edges and eight faces, all counter-clockwise from outside once flipped faces
// are turned round. Faces 0-3 form the upper half (around +y), 4-7 the lower half.
#pragma once

class TriEdge;
class TriTree;
class TriVertex;

// How much of the octahedron a seed makes.
enum class SeedPart { Whole, UpperHalf };

// Who frees the seed's edges: the seed itself, after its trees are gone, or the trees' roots, as
// they go.
enum class EdgeOwner { Seed, Roots };

class OctahedronSeed {
  public:
    static const int vertexCount = 6;
    static const int edgeCount = 12;
    static const int faceCount = 8;
    static const int upperFaceCount = 4;

    // Makes the vertices and edges at radius: all of them, or only the five vertices and
    // eight edges the upper half uses.
    OctahedronSeed(double radius, SeedPart part);

    // A new tree whose permanent root is face f (0-7); null for a face this seed lacks.
    TriTree* MakeTree(int f, EdgeOwner owner) const;

    // Frees the edges no face uses any more, and with them their halves and vertices. Meant
    // for seeds that own their edges, after the trees are gone.
    void ReleaseUnusedEdges();

    // In the order +Y, -X, +Z, +X, -Z, -Y; null where not made.
    TriVertex* vertices[vertexCount] = {};
    // E1..E12; null where not made.
    TriEdge* edges[edgeCount] = {};
};
