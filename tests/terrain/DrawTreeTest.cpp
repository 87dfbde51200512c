#include "terrain/DrawTree.h"
#include "platform/Win32.h"
#include "terrain/HeightTable.h"
#include "terrain/TriVertex.h"
#include "tests/scene/Feedback.h"
#include "tests/scene/Vec3Checks.h"
#include "tests/support/TestContext.h"
#include "tests/terrain/Octahedron.h"

#include <gtest/gtest.h>

namespace {
const double cube = 800.0;

// Colours a corner by its distance, so every fed-back colour says which height was asked.
struct DistanceTable : HeightTable {
    void Widen(double) override {}
    Rgba Lookup(double h) const override {
        ++lookups;
        return Rgba(static_cast<float>(h / 1000.0), 0.25f, 0.5f, 0.75f);
    }
    mutable int lookups = 0;
};

void Leaves(TriNode* n, std::vector<TriNode*>& out) {
    if (n->IsLeaf()) {
        out.push_back(n);
        return;
    }
    for (TriNode* child : n->children)
        Leaves(child, out);
}

// Corners in the order a leaf is drawn.
std::vector<TriVertex*> DrawnCorners(const TriNode* n) {
    if (n->flipped)
        return {n->Corner(2), n->Corner(1), n->Corner(0)};
    return {n->Corner(0), n->Corner(1), n->Corner(2)};
}

class DrawTreeStyles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(context.Ok());
        LookAtCube(cube);
        glDisable(GL_LIGHTING);
        glDisable(GL_CULL_FACE);
        // A flipped root (F1) and an unflipped one (F2), two levels deep.
        for (int face = 0; face < 2; ++face) {
            moon.Root(face)->SubdivideToDepth(TriNode::kRootLevel, TriNode::kPermanent, 700,
                                              nullptr, 3);
            moon.Root(face)->RegisterCorners();
            Leaves(moon.Root(face), leaves);
        }
    }
    std::function<void()> Drawing(DrawMode mode, const HeightTable* table = nullptr) {
        return [this, mode, table] {
            DrawTree(moon.Root(0), mode, table);
            DrawTree(moon.Root(1), mode, table);
        };
    }

    TestContext context;
    Octahedron moon{700};
    std::vector<TriNode*> leaves;
};
} // namespace

TEST_F(DrawTreeStyles, EveryStyleEmitsEachLeafOnceInTreeOrder) {
    ASSERT_EQ(leaves.size(), 32u);
    for (DrawMode mode : {Flat, Smooth, HeightColoured}) {
        SCOPED_TRACE(mode);
        std::vector<FedPrimitive> fed = Feedback(Drawing(mode));
        ASSERT_EQ(fed.size(), leaves.size());
        for (size_t i = 0; i < fed.size(); ++i) {
            ASSERT_EQ(fed[i].kind, FedPrimitive::Polygon);
            ASSERT_EQ(fed[i].vertices.size(), 3u);
            std::vector<TriVertex*> corners = DrawnCorners(leaves[i]);
            for (int j = 0; j < 3; ++j) {
                const FedVertex& v = fed[i].vertices[j];
                ExpectNear(Vec3(v.x, v.y, v.z), WindowPosition(corners[j]->position, cube), 1e-3);
            }
        }
    }
}

TEST_F(DrawTreeStyles, WireEmitsEachLeafAsAClosedLoop) {
    std::vector<FedPrimitive> fed = Feedback(Drawing(Wire));
    EXPECT_EQ(CountKind(fed, FedPrimitive::Polygon), 0u);
    EXPECT_EQ(CountKind(fed, FedPrimitive::Line), 96u); // line-reset tokens included
    ASSERT_EQ(fed.size(), 3 * leaves.size());
    for (size_t i = 0; i < leaves.size(); ++i) {
        std::vector<TriVertex*> corners = DrawnCorners(leaves[i]);
        for (int j = 0; j < 3; ++j) {
            const FedPrimitive& segment = fed[3 * i + j];
            ASSERT_EQ(segment.vertices.size(), 2u);
            Vec3 from = WindowPosition(corners[j]->position, cube);
            Vec3 to = WindowPosition(corners[(j + 1) % 3]->position, cube);
            ExpectFedAt(segment.vertices[0], from);
            ExpectFedAt(segment.vertices[1], to);
        }
    }
}

TEST_F(DrawTreeStyles, WireSendsNoNormalAndComputesNone) {
    glNormal3d(0, 0, 1);
    for (const Vec3& n : FedNormals(Drawing(Wire)))
        ExpectNear(n, Vec3(0, 0, 1), 1e-5);
    for (TriNode* leaf : leaves) {
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(leaf->Corner(i)->normal, Vec3(0, 0, 0));
    }
}

TEST_F(DrawTreeStyles, FlatGivesEveryCornerTheFaceNormal) {
    glNormal3d(0, 0, 1);
    std::vector<Vec3> normals = FedNormals(Drawing(Flat));
    ASSERT_EQ(normals.size(), 3 * leaves.size());
    for (size_t i = 0; i < normals.size(); ++i)
        ExpectNear(normals[i], leaves[i / 3]->normal, 1e-5);
    EXPECT_EQ(leaves[0]->Corner(0)->normal, Vec3(0, 0, 0));
}

TEST_F(DrawTreeStyles, SmoothGivesEveryCornerItsVertexNormal) {
    for (DrawMode mode : {Smooth, HeightColoured}) {
        SCOPED_TRACE(mode);
        std::vector<Vec3> normals = FedNormals(Drawing(mode));
        ASSERT_EQ(normals.size(), 3 * leaves.size());
        for (size_t i = 0; i < normals.size(); ++i) {
            TriVertex* corner = DrawnCorners(leaves[i / 3])[i % 3];
            EXPECT_NE(corner->normal, Vec3(0, 0, 0));
            ExpectNear(normals[i], corner->normal, 1e-5);
        }
    }
}

TEST_F(DrawTreeStyles, HeightColouredAsksTheTableForEveryCorner) {
    DistanceTable table;
    glColor4f(0.1f, 0.2f, 0.3f, 0.4f);
    std::vector<FedPrimitive> fed = Feedback(Drawing(HeightColoured, &table));
    ASSERT_EQ(fed.size(), leaves.size());
    EXPECT_EQ(table.lookups, 3 * static_cast<int>(leaves.size()));
    for (size_t i = 0; i < fed.size(); ++i) {
        std::vector<TriVertex*> corners = DrawnCorners(leaves[i]);
        for (int j = 0; j < 3; ++j) {
            const FedVertex& v = fed[i].vertices[j];
            EXPECT_NEAR(v.r, corners[j]->position.Length() / 1000.0, 1e-6);
            EXPECT_NEAR(v.g, 0.25, 1e-6);
            EXPECT_NEAR(v.a, 0.75, 1e-6);
        }
    }
}

TEST_F(DrawTreeStyles, OtherStylesLeaveTheColourToTheCaller) {
    DistanceTable table;
    for (DrawMode mode : {Wire, Flat, Smooth}) {
        glColor4f(0.1f, 0.2f, 0.3f, 0.4f);
        for (const FedPrimitive& p : Feedback(Drawing(mode, &table))) {
            for (const FedVertex& v : p.vertices) {
                EXPECT_NEAR(v.r, 0.1, 1e-6);
                EXPECT_NEAR(v.a, 0.4, 1e-6);
            }
        }
    }
    EXPECT_EQ(table.lookups, 0);
    glColor4f(0.1f, 0.2f, 0.3f, 0.4f);
    for (const FedPrimitive& p : Feedback(Drawing(HeightColoured, nullptr)))
        EXPECT_NEAR(p.vertices[0].b, 0.3, 1e-6);
}
