#include "terrain/Dome.h"
#include "terrain/TriTree.h"
#include "terrain/TriVertex.h"
#include "tests/terrain/MeshCensus.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {
const Rgba domeBlue(0.4f, 0.5215686559677124f, 0.9176470637321472f, 0.8500000238418579f);

MeshCensus Census(const Dome& d) {
    MeshCensus c;
    for (const TriTree* tree : d.roots)
        c.AddTree(tree->root);
    return c;
}
} // namespace

TEST(Dome, IsAThousandAndTwentyFourPermanentLeavesAtLevelFour) {
    Dome dome(35, domeBlue);
    MeshCensus c = Census(dome);
    EXPECT_EQ(c.leaves, 1024);
    EXPECT_EQ(c.leavesAtLevel[4], 1024);
    std::function<void(const TriNode*)> visit = [&](const TriNode* n) {
        EXPECT_TRUE(n->permanent);
        EXPECT_FALSE(n->rough);
        if (!n->IsLeaf()) {
            for (const TriNode* child : n->children)
                visit(child);
        }
    };
    for (const TriTree* tree : dome.roots)
        visit(tree->root);
}

TEST(Dome, EveryVertexLiesOnTheUpperHemisphere) {
    Dome dome(35, domeBlue);
    MeshCensus c = Census(dome);
    EXPECT_EQ(c.vertices.size(), 545u);
    int rim = 0;
    for (const TriVertex* v : c.vertexList) {
        EXPECT_NEAR(v->position.Length(), 35.0, 1e-12);
        EXPECT_GE(v->position.y, 0.0);
        rim += v->position.y == 0.0;
    }
    EXPECT_EQ(rim, 64);
}

TEST(Dome, KeepsItsColourAndRadius) {
    Dome dome(210, domeBlue);
    EXPECT_EQ(dome.radius, 210.0);
    EXPECT_EQ(dome.colour.b, domeBlue.b);
    EXPECT_EQ(dome.colour.a, domeBlue.a);
}

TEST(Dome, DestructionFreesEverythingItMade) {
    LiveCounts before = LiveCounts::Now();
    {
        Dome large(210, domeBlue);
        Dome small(35, domeBlue);
        EXPECT_EQ(LiveCounts::Now().vertices - before.vertices, 2 * 545);
    }
    EXPECT_TRUE(LiveCounts::Now() == before);
}
