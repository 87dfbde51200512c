#include "terrain/TriEdge.h"
#include "terrain/TriVertex.h"
#include "tests/terrain/MeshCensus.h"
#include "tests/terrain/Octahedron.h"

#include <gtest/gtest.h>

namespace {
// F2 of a seed of radius 3 has corners +Y, +Z, +X, so its centroid is exactly (1, 1, 1).
const int f2 = 1;
} // namespace

TEST(RefinementIsNear, IsFalseAtExactlyReachOverD) {
    Octahedron o(3);
    TriNode* n = o.Root(f2);
    Vec3 point(7, 1, 1); // 6 from the centroid
    EXPECT_FALSE(n->IsNear(point, 12.0, 2, 6));
    EXPECT_TRUE(n->IsNear(point, 12.000001, 2, 6));
    EXPECT_FALSE(n->IsNear(point, 11.999999, 2, 6));
}

TEST(RefinementIsNear, IsFalseFromTheDepthLimitOnEvenAtTheCentroid) {
    Octahedron o(3);
    Vec3 centroid(1, 1, 1);
    EXPECT_TRUE(o.Root(f2)->IsNear(centroid, 1.0, 5, 6));
    EXPECT_FALSE(o.Root(f2)->IsNear(centroid, 1e9, 6, 6));
    EXPECT_FALSE(o.Root(f2)->IsNear(centroid, 1e9, 7, 6));
}

TEST(RefinementCollapse, LeavesPermanentChildrenAlone) {
    Octahedron o(700);
    o.Root(0)->Subdivide(1, TriNode::kPermanent, 700, nullptr);
    LiveCounts before = LiveCounts::Now();
    o.Root(0)->Collapse();
    EXPECT_FALSE(o.Root(0)->IsLeaf());
    EXPECT_TRUE(LiveCounts::Now() == before);
}

TEST(RefinementCollapse, OfALeafDoesNothing) {
    Octahedron o(700);
    LiveCounts before = LiveCounts::Now();
    o.Root(3)->Collapse();
    EXPECT_TRUE(LiveCounts::Now() == before);
}

TEST(RefinementCollapse, FreesTheMidpointsNoNeighbourUses) {
    Octahedron o(700);
    LiveCounts start = LiveCounts::Now();
    TriNode* f1 = o.Root(0);
    TriNode* f2 = o.Root(1);
    f1->Subdivide(1, TriNode::kCollapsible, 700, nullptr);
    f2->Subdivide(1, TriNode::kCollapsible, 700, nullptr); // shares E3 with F1
    LiveCounts both = LiveCounts::Now();
    EXPECT_EQ(both.vertices - start.vertices, 5);
    EXPECT_EQ(both.edges - start.edges, 2 * 9 - 2);

    f1->Collapse();
    EXPECT_TRUE(f1->IsLeaf());
    LiveCounts after = LiveCounts::Now();
    EXPECT_EQ(both.nodes - after.nodes, 4);
    EXPECT_EQ(both.vertices - after.vertices, 2); // E3's midpoint stays for F2
    EXPECT_EQ(both.edges - after.edges, 7);
    EXPECT_FALSE(f1->edges[0]->IsSplit());
    EXPECT_FALSE(f1->edges[1]->IsSplit());
    EXPECT_TRUE(f1->edges[2]->IsSplit());

    f2->Collapse();
    EXPECT_TRUE(LiveCounts::Now() == start);
}

TEST(RefinementPass, SplitsLeavesInReachAndCollapsesThemBehind) {
    Octahedron o(700);
    LiveCounts start = LiveCounts::Now();
    TriNode* root = o.Root(1);
    Vec3 centroid(700.0 / 3, 700.0 / 3, 700.0 / 3);
    // Reach 1000: the root (d 1) and its children (d 2, 500) refine; d 3 is the limit.
    root->RefineNear(centroid, 1000, TriNode::kRootLevel, TriNode::kCollapsible, 700, nullptr, 3);
    MeshCensus near;
    near.AddTree(root);
    EXPECT_EQ(near.leavesAtLevel[2], 16);
    EXPECT_FALSE(root->children[0]->permanent);

    root->RefineNear(centroid * 100.0, 1000, TriNode::kRootLevel, TriNode::kCollapsible, 700,
                     nullptr, 3);
    EXPECT_TRUE(root->IsLeaf());
    EXPECT_TRUE(LiveCounts::Now() == start);
}

TEST(RefinementRegisterCorners, RegistersEveryLeafAtItsThreeCorners) {
    Octahedron o(700);
    TriNode* root = o.Root(0);
    root->SubdivideToDepth(TriNode::kRootLevel, TriNode::kPermanent, 700, nullptr, 2);
    root->RegisterCorners();
    TriNode* centre = root->children[3];
    for (int i = 0; i < 3; ++i) {
        TriVertex* v = centre->Corner(i);
        // Each midpoint of a lone face touches three of its children.
        EXPECT_EQ(v->faceCount, 3);
        bool found = false;
        for (int f = 0; f < v->faceCount; ++f)
            found = found || v->faces[f] == centre;
        EXPECT_TRUE(found);
    }
}

TEST(RefinementRegisterCorners, AgainWithoutAPassRepeatsEntriesUpToSix) {
    Octahedron o(700);
    TriNode* root = o.Root(0);
    root->RegisterCorners();
    root->RegisterCorners();
    root->RegisterCorners();
    EXPECT_EQ(root->Corner(0)->faceCount, 3);
    for (int i = 0; i < 5; ++i)
        root->RegisterCorners();
    EXPECT_EQ(root->Corner(0)->faceCount, 6);
}
