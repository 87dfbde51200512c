#include "scene/Random.h"
#include "terrain/OctahedronSeed.h"
#include "terrain/SplitSeed.h"
#include "terrain/TriEdge.h"
#include "terrain/TriTree.h"
#include "terrain/TriVertex.h"
#include "tests/terrain/MeshCensus.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace {
const double golden = 1e-9;

// One face of a seed, the seed's edges freed with it.
struct SeedFace {
    SeedFace(double radius, int face, bool rough) : seed(radius, SeedPart::Whole) {
        tree.reset(seed.MakeTree(face, EdgeOwner::Seed));
        tree->root->rough = rough;
    }
    ~SeedFace() {
        tree.reset();
        seed.ReleaseUnusedEdges();
    }
    OctahedronSeed seed;
    std::unique_ptr<TriTree> tree;
};

double MidpointDistance(const TriEdge* e) {
    return e->Midpoint()->position.Length();
}
} // namespace

TEST(EdgeSplitSeed, ACornerWithAZeroCoordinateSeedsZero) {
    EXPECT_EQ(SplitSeed(Vec3(0, 0, 700), 1), 0u);
    EXPECT_EQ(SplitSeed(Vec3(-350.5, 0, 12), 4), 0u);
}

TEST(EdgeSplitSeed, TruncatesTheProductTowardZeroAndKeepsTheLowBits) {
    EXPECT_EQ(SplitSeed(Vec3(1.5, 2, 3), 2), 18u);          // ((3*2)*1.5)*2
    EXPECT_EQ(SplitSeed(Vec3(1, 1, 2.9), 1), 2u);           // 2.9 -> 2
    EXPECT_EQ(SplitSeed(Vec3(-1, 1, 2.9), 1), 0xfffffffeu); // -2.9 -> -2
    EXPECT_EQ(SplitSeed(Vec3(1, 1, 4294967301.0), 1), 5u);  // 2^32 + 5
    EXPECT_EQ(SplitSeed(Vec3(-1, 1, 4294967301.0), 1), 0xfffffffbu);
}

TEST(EdgeSplitSeed, AProductOutsideSixtyFourBitsSeedsZero) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(SplitSeed(Vec3(nan, 1, 1), 1), 0u);
    EXPECT_EQ(SplitSeed(Vec3(inf, 1, 1), 1), 0u);
    EXPECT_EQ(SplitSeed(Vec3(-inf, 1, 1), 1), 0u);
    EXPECT_EQ(SplitSeed(Vec3(1e10, 1e10, 1e10), 5), 0u);
}

TEST(EdgeSplit, FirstRoughSplitOfTheFirstFacePlacesTheKnownMidpoints) {
    SeedFace f1(700, 0, true);
    SeedRandom(12345); // the split reseeds itself from its first corner, +Z
    f1.tree->root->Subdivide(1, TriNode::kPermanent, 700, nullptr);
    TriEdge* const* e = f1.tree->root->edges; // E2, E1, E3
    EXPECT_NEAR(MidpointDistance(e[0]), 676.4571352980138, golden);
    EXPECT_NEAR(MidpointDistance(e[1]), 687.5202868550756, golden);
    EXPECT_NEAR(MidpointDistance(e[2]), 706.9920673393772, golden);
    Vec3 m = e[0]->Midpoint()->position;
    EXPECT_NEAR(m.x, -478.3274275512514, golden);
    EXPECT_EQ(m.y, 0.0);
    EXPECT_NEAR(m.z, 478.3274275512514, golden);
}

TEST(EdgeSplit, ASplitEdgeKeepsItsMidpointHeightAndTheGenerator) {
    SeedFace f1(700, 0, true);
    TriEdge* e = f1.tree->root->edges[0];
    double height = 0.0;
    ASSERT_TRUE(e->Split(700, true, height));
    EXPECT_EQ(height, e->Midpoint()->position.Length());
    TriVertex* middle = e->Midpoint();
    TriEdge* first = e->half[0];

    SeedRandom(99);
    int expected = NextRandom();
    SeedRandom(99);
    height = -1.0;
    EXPECT_FALSE(e->Split(700, true, height));
    EXPECT_EQ(height, -1.0);
    EXPECT_EQ(e->Midpoint(), middle);
    EXPECT_EQ(e->half[0], first);
    EXPECT_EQ(NextRandom(), expected);
}

TEST(EdgeSplit, ASmoothSplitLiesOnTheRadiusAndDrawsNothing) {
    SeedFace f2(35, 1, false);
    SeedRandom(7);
    int expected = NextRandom();
    SeedRandom(7);
    double height = 0.0;
    ASSERT_TRUE(f2.tree->root->edges[1]->Split(35, false, height));
    EXPECT_NEAR(height, 35.0, 1e-12);
    EXPECT_EQ(NextRandom(), expected);
}

TEST(EdgeSplit, HalvesRunFromStartThroughTheMidpointToEnd) {
    SeedFace f1(700, 0, true);
    TriEdge* e = f1.tree->root->edges[2];
    double height = 0.0;
    e->Split(700, true, height);
    EXPECT_EQ(e->half[0]->start, e->start);
    EXPECT_EQ(e->half[0]->end, e->half[1]->start);
    EXPECT_EQ(e->half[1]->end, e->end);
    EXPECT_EQ(e->Midpoint()->refs, 2);
    EXPECT_EQ(e->half[0]->refs, 0);
}

TEST(EdgeSplit, DestroyingAnEdgeFreesItsHalvesWhateverTheirRefs) {
    LiveCounts before = LiveCounts::Now();
    {
        TriVertex* a = new TriVertex(Vec3(700, 0, 0));
        TriVertex* b = new TriVertex(Vec3(0, 700, 0));
        TriEdge* e = new TriEdge(a, b);
        double height = 0.0;
        e->Split(700, true, height);
        e->half[0]->Split(700, true, height);
        e->half[1]->refs = 3; // as if faces still held it
        EXPECT_EQ(LiveCounts::Now().edges - before.edges, 5);
        EXPECT_EQ(LiveCounts::Now().vertices - before.vertices, 4);
        delete e;
    }
    EXPECT_TRUE(LiveCounts::Now() == before);
}
