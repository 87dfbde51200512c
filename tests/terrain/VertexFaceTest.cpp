#include "terrain/TriEdge.h"
#include "terrain/TriVertex.h"
#include "tests/terrain/MeshCensus.h"
#include "tests/terrain/Octahedron.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
bool Lists(const TriVertex* v, const TriNode* n) {
    for (int i = 0; i < v->faceCount; ++i) {
        if (v->faces[i] == n)
            return true;
    }
    return false;
}
} // namespace

TEST(VertexFaces, ASeventhFaceIsDropped) {
    Octahedron o(700);
    TriVertex v(Vec3(1, 0, 0));
    for (int i = 0; i < 6; ++i)
        v.AddFace(o.Root(i));
    v.AddFace(o.Root(6));
    EXPECT_EQ(v.faceCount, 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(v.faces[i], o.Root(i));
}

TEST(VertexFaces, RemovingANodeDropsEveryEntryOfItAndKeepsTheOthersInOrder) {
    Octahedron o(700);
    TriVertex v(Vec3(1, 0, 0));
    v.AddFace(o.Root(0));
    v.AddFace(o.Root(1));
    v.AddFace(o.Root(0));
    v.AddFace(o.Root(2));
    v.RemoveFace(o.Root(0));
    ASSERT_EQ(v.faceCount, 2);
    EXPECT_EQ(v.faces[0], o.Root(1));
    EXPECT_EQ(v.faces[1], o.Root(2));
    v.RemoveFace(o.Root(5));
    EXPECT_EQ(v.faceCount, 2);
}

TEST(VertexFaceNormal, WithoutFacesIsZeroAndNotCached) {
    Octahedron o(700);
    TriVertex v(Vec3(0, 700, 0));
    EXPECT_EQ(v.VertexNormal(), Vec3(0, 0, 0));
    v.AddFace(o.Root(1));
    EXPECT_EQ(v.VertexNormal(), o.Root(1)->normal);
}

TEST(VertexFaceNormal, IsTheNormalisedSumOfTheFacesAndStaysOnceComputed) {
    Octahedron o(700);
    TriVertex* top = o.Root(0)->Corner(2); // +Y, shared by F1..F4
    ASSERT_EQ(top->position, Vec3(0, 700, 0));
    for (int i = 0; i < 4; ++i)
        top->AddFace(o.Root(i));
    Vec3 n = top->VertexNormal();
    EXPECT_NEAR(n.x, 0.0, 1e-15);
    EXPECT_NEAR(n.y, 1.0, 1e-15);
    EXPECT_NEAR(n.z, 0.0, 1e-15);
    top->faceCount = 1;
    EXPECT_EQ(top->VertexNormal(), n);
}

TEST(VertexFaceDestruction, LeavesTheFaceListsOfCornersANeighbourKeeps) {
    Octahedron o(700);
    TriNode* f1 = o.Root(0);
    TriNode* f2 = o.Root(1);
    f1->Subdivide(1, TriNode::kCollapsible, 700, nullptr);
    f2->Subdivide(1, TriNode::kCollapsible, 700, nullptr);
    f1->RegisterCorners();
    f2->RegisterCorners();
    TriVertex* shared = f1->edges[2]->Midpoint(); // on E3, kept alive by F2's children
    TriVertex* top = f1->Corner(2);
    ASSERT_EQ(shared->faceCount, 6);
    TriNode* gone[4];
    for (int i = 0; i < 4; ++i)
        gone[i] = f1->children[i];

    f1->Collapse();
    ASSERT_EQ(shared->faceCount, 3);
    for (TriNode* n : gone) {
        EXPECT_FALSE(Lists(shared, n));
        EXPECT_FALSE(Lists(top, n));
    }
    // A normal first asked for now is made from the faces that still exist.
    for (int i = 0; i < shared->faceCount; ++i)
        EXPECT_EQ(shared->faces[i]->parent, f2);
    Vec3 expected =
        (shared->faces[0]->normal + shared->faces[1]->normal) + shared->faces[2]->normal;
    expected.Normalize();
    EXPECT_EQ(shared->VertexNormal(), expected);
}

TEST(VertexFaceDestruction, TreesThatOwnTheirEdgesFreeEverything) {
    LiveCounts before = LiveCounts::Now();
    {
        OctahedronSeed upper(35, SeedPart::UpperHalf);
        TriTree* trees[4];
        for (int i = 0; i < 4; ++i) {
            trees[i] = upper.MakeTree(i, EdgeOwner::Roots);
            trees[i]->root->SubdivideToDepth(TriNode::kRootLevel, TriNode::kPermanent, 35, nullptr,
                                             4);
            trees[i]->root->RegisterCorners();
        }
        for (TriTree* t : trees)
            delete t;
    }
    EXPECT_TRUE(LiveCounts::Now() == before);
}
