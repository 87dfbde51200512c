#include "scene/OrientedBox.h"
#include "tests/scene/Feedback.h"
#include "tests/scene/Vec3Checks.h"
#include "tests/support/TestContext.h"

#include <gtest/gtest.h>

TEST(OrientedBoxDraw, SendsSixWorldSpaceQuadsInFaceOrder) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    OrientedBox box(40, 2, Rgba(0, 0, 0.7f, 1));
    box.SetPosition(Vec3(100, 200, 0));
    box.TiltAboutSide(20);

    auto fed = JoinQuads(CaptureFeedback([&] { box.Draw(); }));
    ASSERT_EQ(fed.size(), 6u);
    const int order[6][4] = {{4, 5, 6, 7}, {4, 0, 3, 5}, {5, 3, 2, 6},
                             {6, 2, 1, 7}, {4, 7, 1, 0}, {0, 3, 2, 1}};
    for (int f = 0; f < 6; ++f) {
        ASSERT_EQ(fed[f].kind, FedPrimitive::Polygon);
        ASSERT_EQ(fed[f].vertices.size(), 4u);
        for (int v = 0; v < 4; ++v)
            ExpectFedAt(fed[f].vertices[v], box.corners[order[f][v]]);
    }
}

TEST(OrientedBoxDraw, LeavesTheColourAndBalancesTheMatrixStack) {
    TestContext ctx;
    ASSERT_TRUE(ctx.Ok());
    OrientedBox box(25, 2, Rgba(0, 0, 0.7f, 0.25f));
    box.SetPosition(Vec3());
    GLint depthBefore = 0, depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    box.Draw();
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depthBefore);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[2], 0.7f);
    EXPECT_FLOAT_EQ(colour[3], 1.0f); // alpha is not sent
    GLfloat normal[3];
    glGetFloatv(GL_CURRENT_NORMAL, normal);
    EXPECT_FLOAT_EQ(normal[1], -1.0f); // the bottom face comes last
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
