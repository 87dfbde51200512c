#include "terrain/Terrain.h"
#include "terrain/ColourRamp.h"
#include "terrain/TriEdge.h"
#include "terrain/TriTree.h"
#include "terrain/TriVertex.h"
#include "tests/terrain/MeshCensus.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
const double golden = 1e-9;

MeshCensus Census(const Terrain& t) {
    MeshCensus c;
    for (const TriTree* tree : t.roots)
        c.AddTree(tree->root);
    return c;
}

MeshCensus Census(const TriNode* root) {
    MeshCensus c;
    c.AddTree(root);
    return c;
}

Vec3 Centroid(const TriNode* n) {
    return ((n->edges[0]->end->position + n->edges[1]->end->position) +
            n->edges[2]->end->position) /
           3.0;
}

void ExpectLiveEqualsReachable(const Terrain& t) {
    MeshCensus c = Census(t);
    EXPECT_EQ(TriNode::LiveCount(), c.nodes);
    EXPECT_EQ(TriEdge::LiveCount(), static_cast<long>(c.edges.size()));
    EXPECT_EQ(TriVertex::LiveCount(), static_cast<long>(c.vertices.size()));
}

// Any level-4 node below root that has been refined.
TriNode* RefinedLevelFour(TriNode* n) {
    if (n->IsLeaf())
        return nullptr;
    if (n->level == 4)
        return n;
    for (TriNode* child : n->children) {
        if (TriNode* found = RefinedLevelFour(child))
            return found;
    }
    return nullptr;
}

// The other node of the tree that holds edge e, if any.
TriNode* OtherUser(TriNode* n, const TriEdge* e, const TriNode* self) {
    if (n != self) {
        for (const TriEdge* own : n->edges) {
            if (own == e)
                return n;
        }
    }
    if (n->IsLeaf())
        return nullptr;
    for (TriNode* child : n->children) {
        if (TriNode* found = OtherUser(child, e, self))
            return found;
    }
    return nullptr;
}

class TerrainBuilt : public ::testing::Test {
  protected:
    void SetUp() override {
        before = LiveCounts::Now();
        moon.reset(new Terrain(700));
    }
    LiveCounts before{};
    std::unique_ptr<Terrain> moon;
};
} // namespace

TEST_F(TerrainBuilt, ConstructionGrowsTheKnownMoon) {
    MeshCensus c = Census(*moon);
    EXPECT_EQ(c.nodes, 2728);
    EXPECT_EQ(c.leaves, 2048);
    EXPECT_EQ(c.leavesAtLevel[4], 2048);
    EXPECT_EQ(c.vertices.size(), 1026u);
    EXPECT_NEAR(moon->heightColours->minHeight, 676.4571352980138, golden);
    EXPECT_NEAR(moon->heightColours->maxHeight, 710.6662773140756, golden);
    int onRadius = 0;
    bool top = false;
    for (const TriVertex* v : c.vertexList) {
        onRadius += v->position.Length() == 700.0;
        top = top || v->position == Vec3(0, 700, 0);
    }
    EXPECT_EQ(onRadius, 6); // the seed's vertices; every other one is displaced
    EXPECT_TRUE(top);
}

TEST_F(TerrainBuilt, EveryLeafFacesOutward) {
    int inward = 0;
    std::function<void(const TriNode*)> visit = [&](const TriNode* n) {
        if (n->IsLeaf()) {
            inward += !(Dot(n->normal, Centroid(n)) > 0.0);
            return;
        }
        EXPECT_TRUE(n->permanent);
        for (const TriNode* child : n->children)
            visit(child);
    };
    for (const TriTree* tree : moon->roots)
        visit(tree->root);
    EXPECT_EQ(inward, 0);
}

TEST_F(TerrainBuilt, LiveRecordsAreExactlyTheReachableOnes) {
    ExpectLiveEqualsReachable(*moon);
    moon->UpdateDetail(Vec3(0, 730, 0));
    ExpectLiveEqualsReachable(*moon);
}

TEST_F(TerrainBuilt, DestructionFreesEveryNodeEdgeAndVertex) {
    moon->UpdateDetail(Vec3(0, 730, 0));
    moon->UpdateDetail(Vec3(300, 660, 0));
    moon.reset();
    EXPECT_TRUE(LiveCounts::Now() == before);
}

TEST_F(TerrainBuilt, StartsSmoothInTheBaseColour) {
    EXPECT_EQ(moon->drawMode, Smooth);
    Rgba base = Rgba::FromBytes(226, 180, 88);
    EXPECT_EQ(moon->colour.r, base.r);
    EXPECT_EQ(moon->colour.g, base.g);
    EXPECT_EQ(moon->colour.b, base.b);
    EXPECT_EQ(moon->colour.a, 1.0f);
    EXPECT_EQ(moon->radius, 700.0);
}

TEST_F(TerrainBuilt, DrawModeWrapsPastTheLastStyle) {
    moon->SetDrawMode(3);
    EXPECT_EQ(moon->drawMode, HeightColoured);
    moon->SetDrawMode(moon->drawMode + 1);
    EXPECT_EQ(moon->drawMode, Wire);
    moon->SetDrawMode(1);
    EXPECT_EQ(moon->drawMode, Flat);
    moon->SetDrawMode(-1);
    EXPECT_EQ(moon->drawMode, Wire);
}

TEST_F(TerrainBuilt, FirstRefinementAtTheLandersStartSplitsTheKnownLeaves) {
    moon->UpdateDetail(Vec3(0, 730, 0));
    MeshCensus c = Census(*moon);
    EXPECT_EQ(c.leaves, 3461);
    EXPECT_EQ(c.leavesAtLevel[5], 1884);
}

TEST_F(TerrainBuilt, RefiningTheSamePointAgainChangesNothing) {
    moon->UpdateDetail(Vec3(0, 730, 0));
    LiveCounts once = LiveCounts::Now();
    moon->UpdateDetail(Vec3(0, 730, 0));
    EXPECT_TRUE(LiveCounts::Now() == once);
}

TEST_F(TerrainBuilt, APointOutOfARootsReachLeavesThatTreeAlone) {
    moon->UpdateDetail(Vec3(0, 730, 0));
    TriNode* f1 = moon->roots[0]->root;
    MeshCensus was = Census(f1);
    ASSERT_GT(was.leavesAtLevel[5], 0);
    Vec3 c = Centroid(f1);
    Vec3 away = c * -1.0;
    away.Normalize();
    moon->UpdateDetail(c + away * 3500.000001);
    MeshCensus is = Census(f1);
    EXPECT_EQ(is.nodes, was.nodes);
    EXPECT_EQ(is.leavesAtLevel[5], was.leavesAtLevel[5]);
    EXPECT_TRUE(is.edges == was.edges);
    EXPECT_TRUE(is.vertices == was.vertices);
    ExpectLiveEqualsReachable(*moon);
}

TEST_F(TerrainBuilt, MovingAwayFromARefinedLeafCollapsesItAndFreesItsOwnMidpoints) {
    moon->UpdateDetail(Vec3(0, 730, 0));
    TriNode* root = moon->roots[0]->root;
    TriNode* n = RefinedLevelFour(root);
    ASSERT_NE(n, nullptr);
    // 700 from n's centroid, on the side of its parent, so its ancestors stay in reach.
    Vec3 c = Centroid(n);
    Vec3 towardParent = Centroid(n->parent) - c;
    towardParent.Normalize();
    Vec3 point = c + towardParent * 700.0;
    ASSERT_GE((point - c).Length(), 700.0);
    ASSERT_LT((point - Centroid(n->parent)).Length(), 700.0 * 5.0 / 4.0);

    moon->UpdateDetail(point);
    EXPECT_TRUE(n->IsLeaf());
    for (const TriEdge* e : n->edges) {
        TriNode* neighbour = nullptr;
        for (const TriTree* tree : moon->roots) {
            if ((neighbour = OtherUser(tree->root, e, n)) != nullptr)
                break;
        }
        ASSERT_NE(neighbour, nullptr);
        EXPECT_EQ(e->IsSplit(), !neighbour->IsLeaf());
    }
    ExpectLiveEqualsReachable(*moon);
}
