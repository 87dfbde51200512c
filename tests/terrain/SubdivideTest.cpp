#include "scene/Random.h"
#include "terrain/OctahedronSeed.h"
#include "terrain/TriEdge.h"
#include "terrain/TriTree.h"
#include "terrain/TriVertex.h"
#include "tests/terrain/MeshCensus.h"
#include "tests/terrain/Octahedron.h"

#include <gtest/gtest.h>

namespace {
Vec3 Centroid(const TriNode* n) {
    return ((n->Corner(0)->position + n->Corner(1)->position) + n->Corner(2)->position) / 3.0;
}

void ExpectClosedCycle(const TriNode* n) {
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(n->edges[i]->end, n->edges[(i + 1) % 3]->start);
}

// Corners in drawing order, counter-clockwise from outside.
void ExpectOutwardAndCounterClockwise(const TriNode* n) {
    int first = n->flipped ? 2 : 0, step = n->flipped ? -1 : 1;
    Vec3 a = n->Corner(first)->position;
    Vec3 b = n->Corner(first + step)->position;
    Vec3 c = n->Corner(first + 2 * step)->position;
    Vec3 winding = Cross(b - a, c - a);
    Vec3 centroid = Centroid(n);
    EXPECT_GT(Dot(winding, centroid), 0.0);
    EXPECT_GT(Dot(n->normal, centroid), 0.0);
}
} // namespace

TEST(SubdivideSeedFaces, AreClosedOutwardAndCounterClockwise) {
    Octahedron o(700);
    for (int i = 0; i < OctahedronSeed::faceCount; ++i) {
        SCOPED_TRACE(i);
        ExpectClosedCycle(o.Root(i));
        ExpectOutwardAndCounterClockwise(o.Root(i));
        EXPECT_EQ(o.Root(i)->level, 0);
        EXPECT_TRUE(o.Root(i)->permanent);
    }
    // F1 is drawn +Y, -X, +Z.
    EXPECT_EQ(o.Root(0)->Corner(2)->position, Vec3(0, 700, 0));
    EXPECT_EQ(o.Root(0)->Corner(1)->position, Vec3(-700, 0, 0));
    EXPECT_EQ(o.Root(0)->Corner(0)->position, Vec3(0, 0, 700));
}

TEST(SubdivideSeedFaces, TheUpperHalfHasNoLowerFaces) {
    LiveCounts before = LiveCounts::Now();
    OctahedronSeed upper(35, SeedPart::UpperHalf);
    EXPECT_EQ(upper.vertices[5], nullptr);
    EXPECT_EQ(upper.MakeTree(4, EdgeOwner::Roots), nullptr);
    EXPECT_EQ(upper.MakeTree(-1, EdgeOwner::Roots), nullptr);
    EXPECT_EQ(upper.MakeTree(8, EdgeOwner::Roots), nullptr);
    EXPECT_EQ(LiveCounts::Now().vertices - before.vertices, 5);
    EXPECT_EQ(LiveCounts::Now().edges - before.edges, 8);
    upper.ReleaseUnusedEdges();
    EXPECT_TRUE(LiveCounts::Now() == before);
}

TEST(Subdivide, MakesFourChildrenThatKeepTheCornersAndTheWinding) {
    for (int face : {0, 1}) { // flipped and not
        SCOPED_TRACE(face);
        Octahedron o(700);
        TriNode* root = o.Root(face);
        root->Subdivide(1, TriNode::kCollapsible, 700, nullptr);
        ASSERT_FALSE(root->IsLeaf());
        for (int i = 0; i < 4; ++i) {
            TriNode* child = root->children[i];
            SCOPED_TRACE(i);
            EXPECT_EQ(child->parent, root);
            EXPECT_EQ(child->level, 1);
            EXPECT_FALSE(child->permanent);
            EXPECT_TRUE(child->rough);
            EXPECT_EQ(child->ownsEdges, i == 3);
            EXPECT_EQ(child->flipped, i == 3 ? !root->flipped : root->flipped);
            ExpectClosedCycle(child);
            ExpectOutwardAndCounterClockwise(child);
            if (i < 3) {
                EXPECT_EQ(child->Corner(0), root->Corner(i));
            }
        }
    }
}

TEST(Subdivide, TheSameSeedStateGivesTheSameMidpoints) {
    Octahedron a(700), b(700);
    a.Root(2)->Subdivide(1, TriNode::kPermanent, 700, nullptr);
    b.Root(2)->Subdivide(1, TriNode::kPermanent, 700, nullptr);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(a.Root(2)->edges[i]->Midpoint()->position,
                  b.Root(2)->edges[i]->Midpoint()->position);
}

TEST(Subdivide, AfterANeighbourSplitTheNewMidpointsTakeTheNextNumbers) {
    // F2 (E3, E4, E5) is seeded from +Y with 0. Alone, E3 takes the first number; once F1 has
    // split the shared E3, E4 takes it and E5 the second.
    Octahedron alone(700), after(700);
    alone.Root(1)->Subdivide(1, TriNode::kPermanent, 700, nullptr);
    after.Root(0)->Subdivide(1, TriNode::kPermanent, 700, nullptr);
    TriVertex* shared = after.Root(0)->edges[2]->Midpoint();
    after.Root(1)->Subdivide(1, TriNode::kPermanent, 700, nullptr);
    EXPECT_EQ(after.Root(1)->edges[0]->Midpoint(), shared);
    EXPECT_NEAR(alone.Root(1)->edges[0]->Midpoint()->position.Length(), 676.4571352980138, 1e-9);
    EXPECT_NEAR(after.Root(1)->edges[1]->Midpoint()->position.Length(), 676.4571352980138, 1e-9);
    EXPECT_NEAR(after.Root(1)->edges[2]->Midpoint()->position.Length(), 687.5202868550756, 1e-9);
}

TEST(Subdivide, OnANodeThatHasChildrenChangesNothing) {
    Octahedron o(700);
    o.Root(0)->Subdivide(1, TriNode::kPermanent, 700, nullptr);
    LiveCounts before = LiveCounts::Now();
    TriNode* first = o.Root(0)->children[0];
    o.Root(0)->Subdivide(1, TriNode::kPermanent, 700, nullptr);
    EXPECT_TRUE(LiveCounts::Now() == before);
    EXPECT_EQ(o.Root(0)->children[0], first);
}

TEST(SubdivideToDepth, LimitFiveGivesTwoHundredFiftySixPermanentLeavesAtLevelFour) {
    Octahedron o(700);
    o.Root(4)->SubdivideToDepth(TriNode::kRootLevel, TriNode::kPermanent, 700, nullptr, 5);
    MeshCensus census;
    census.AddTree(o.Root(4));
    EXPECT_EQ(census.leaves, 256);
    EXPECT_EQ(census.leavesAtLevel[4], 256);
    EXPECT_EQ(census.nodes, 1 + 4 + 16 + 64 + 256);
}

TEST(SubdivideToDepth, LimitOneChangesNothing) {
    Octahedron o(700);
    LiveCounts before = LiveCounts::Now();
    o.Root(0)->SubdivideToDepth(TriNode::kRootLevel, TriNode::kPermanent, 700, nullptr, 1);
    EXPECT_TRUE(o.Root(0)->IsLeaf());
    EXPECT_TRUE(LiveCounts::Now() == before);
}

TEST(SubdivideToDepth, CopiesRoughnessDownToEveryChild) {
    Octahedron o(700, false);
    o.Root(0)->Subdivide(1, TriNode::kPermanent, 700, nullptr); // children start smooth
    o.Root(0)->rough = true;
    o.Root(0)->SubdivideToDepth(TriNode::kRootLevel, TriNode::kPermanent, 700, nullptr, 3);
    for (TriNode* child : o.Root(0)->children) {
        EXPECT_TRUE(child->rough);
        for (TriNode* grandchild : child->children)
            EXPECT_TRUE(grandchild->rough);
    }
}
