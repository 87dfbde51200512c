#include "LanderTesting.h"

namespace {
void ExpectBoxesNear(const OrientedBox& a, const Vec3 (&corners)[8]) {
    for (int i = 0; i < 8; ++i)
        ExpectNear(a.corners[i], corners[i], 1e-9);
}
} // namespace

TEST(MastControl, SwivelThereAndBackRestoresEverything) {
    auto lander = GameLander();
    lander->TiltMast(12); // so the swivel visibly moves the head
    Vec3 mast[8], head[8];
    std::copy(lander->mast->corners, lander->mast->corners + 8, mast);
    std::copy(lander->head->corners, lander->head->corners + 8, head);
    Vec3 camera = lander->cameraPoint;

    lander->SwivelMast(3);
    EXPECT_GT((lander->cameraPoint - camera).Length(), 0.1);
    lander->SwivelMast(-3);
    ExpectBoxesNear(*lander->mast, mast);
    ExpectBoxesNear(*lander->head, head);
    ExpectNear(lander->cameraPoint, camera, 1e-9);
}

TEST(MastControl, SwivelTurnsAboutTheLandersUpAxis) {
    auto lander = GameLander();
    lander->SwivelMast(90);
    ExpectNear(lander->cameraPoint, Vec3(0, 797.5, 0), 1e-9);
    ExpectNear(lander->head->Normal(BoxFace::PlusX), Vec3(0, 0, -1), 1e-3);
}

TEST(MastControl, TiltCarriesTheHeadOnTopOfTheMast) {
    auto lander = GameLander();
    lander->TiltMast(30);
    ExpectNear(lander->head->BaseCentre(), lander->mast->TopCentre(), 1e-9);
    ExpectNear(lander->mast->BaseCentre(), Vec3(0, 732.5, 0), 1e-9);
    // Leaning towards +x, the camera is 65 units from the mast's foot.
    EXPECT_GT(lander->cameraPoint.x, 30.0);
    EXPECT_NEAR((lander->cameraPoint - Vec3(0, 732.5, 0)).Length(), 65.0, 1e-9);
    EXPECT_EQ(lander->cameraPoint, lander->head->TopCentre());
}

TEST(MastControl, HeadTiltsAloneAboutItsBase) {
    auto lander = GameLander();
    Vec3 mast[8];
    std::copy(lander->mast->corners, lander->mast->corners + 8, mast);
    lander->TiltHead(-90);
    ExpectBoxesNear(*lander->mast, mast);
    ExpectNear(lander->head->BaseCentre(), Vec3(0, 772.5, 0), 1e-9);
    ExpectNear(lander->cameraPoint, Vec3(-25, 772.5, 0), 0.02);
}
