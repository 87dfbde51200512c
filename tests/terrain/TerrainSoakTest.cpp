#include "platform/Win32.h"
#include "terrain/Terrain.h"
#include "terrain/TriEdge.h"
#include "terrain/TriTree.h"
#include "terrain/TriVertex.h"
#include "tests/scene/Feedback.h"
#include "tests/support/TestContext.h"
#include "tests/terrain/MeshCensus.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {
// A lander-like path: round and round the moon while the latitude swings far north and
// south, hopping up to 200 above the surface, with one leap to the far side halfway.
Vec3 PathPoint(int step, int steps) {
    double t = step * 0.005;
    double latitude = 1.4 * std::sin(0.31 * t);
    double hop = std::sin(3.0 * t);
    double r = 730.0 + 200.0 * hop * hop;
    Vec3 p(std::cos(latitude) * std::cos(t), std::sin(latitude), std::cos(latitude) * std::sin(t));
    if (step >= steps / 2)
        p = p * -1.0;
    return p * r;
}
} // namespace

TEST(TerrainSoak, ALongFlightFreesWhatItLeavesBehindAndNothingElse) {
    TestContext context;
    ASSERT_TRUE(context.Ok());
    LookAtCube(1000);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);

    ASSERT_EQ(TriNode::LiveCount(), 0);
    ASSERT_EQ(TriEdge::LiveCount(), 0);
    ASSERT_EQ(TriVertex::LiveCount(), 0);
    std::unique_ptr<Terrain> moon(new Terrain(700));
    const int steps = 3000;
    long mostLeaves = 0;
    for (int step = 0; step < steps; ++step) {
        moon->UpdateDetail(PathPoint(step, steps));
        MeshCensus census;
        for (const TriTree* tree : moon->roots)
            census.AddTree(tree->root);
        ASSERT_EQ(TriNode::LiveCount(), census.nodes) << step;
        ASSERT_EQ(TriEdge::LiveCount(), static_cast<long>(census.edges.size())) << step;
        ASSERT_EQ(TriVertex::LiveCount(), static_cast<long>(census.vertices.size())) << step;
        mostLeaves = std::max(mostLeaves, census.leaves);
        // Every style in turn, so normals are first asked for after collapses.
        if (step % 10 == 0) {
            moon->SetDrawMode((step / 350) % 4);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            moon->Draw();
        }
    }
    glFinish();
    EXPECT_GT(mostLeaves, 2048);
    moon.reset();
    EXPECT_EQ(TriNode::LiveCount(), 0);
    EXPECT_EQ(TriEdge::LiveCount(), 0);
    EXPECT_EQ(TriVertex::LiveCount(), 0);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LIGHT0);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
}
