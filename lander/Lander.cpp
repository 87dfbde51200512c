#include "lander/Lander.h"

namespace {
// The four side legs stand this fraction of the depth in front of and behind the middle one.
constexpr double kLegSpacing = 0.33;
// Each side of the body carries a row of three legs: in the middle, then towards -z and +z.
enum LegSide { PlusXSide, MinusXSide, kLegSides };
enum LegPlace { Middle, TowardsMinusZ, TowardsPlusZ, kLegsPerSide };
static_assert(kLegSides * kLegsPerSide == Lander::kLegCount, "every leg has a side and a place");
constexpr int LegAt(LegSide side, LegPlace place) {
    return side * kLegsPerSide + place;
}
// Each face's normal comes from three of its body corners.
const NormalCorners kNormalCorners = {
    {0, 1, 2}, {0, 4, 7}, {1, 7, 6}, {2, 6, 5}, {3, 5, 4}, {4, 5, 6},
};
} // namespace

Lander::Lander(double bodyWidth, double bodyHeight, double bodyDepth, double legDrop,
               double legReach)
    : mast(std::make_unique<OrientedBox>(40.0, 2.0, Rgba(1.0f, 1.0f, 1.0f, 1.0f))),
      head(std::make_unique<OrientedBox>(25.0, 2.0, Rgba(0.0f, 0.0f, 0.7f, 1.0f))),
      colour(1.0f, 1.0f, 1.0f, 1.0f), bodyWidth(bodyWidth), bodyHeight(bodyHeight),
      bodyDepth(bodyDepth), legDrop(legDrop), legReach(legReach) {}

Lander::~Lander() = default;

void Lander::Place(double x, double y, double z) {
    position = Vec3(x, y, z);
    Reset();
}

void Lander::Reset() {
    mass = 1.0;
    running = false;
    ignitionPending = true;
    gravity = 0.0;
    BuildGeometry();
    UpdateNormals();
    PlaceEngine();
    PlaceMast();
    cameraPoint = head->TopCentre();
    velocity = -engine.thrust;
}

void Lander::BuildGeometry() {
    double x = position.x, y = position.y, z = position.z;
    double w = bodyWidth, h = bodyHeight, d = bodyDepth;
    body[0] = Vec3(x - w / 2, y + h / 2, z - d / 2);
    body[1] = Vec3(x - w / 2, y + h / 2, z + d / 2);
    body[2] = Vec3(x + w / 2, y + h / 2, z + d / 2);
    body[3] = Vec3(x + w / 2, y + h / 2, z - d / 2);
    body[4] = Vec3(x - w / 2, y - h / 2, z - d / 2);
    body[5] = Vec3(x + w / 2, y - h / 2, z - d / 2);
    body[6] = Vec3(x + w / 2, y - h / 2, z + d / 2);
    body[7] = Vec3(x - w / 2, y - h / 2, z + d / 2);

    const double signs[kLegSides] = {1.0, -1.0};
    const double depths[kLegsPerSide] = {z, z - kLegSpacing * d, z + kLegSpacing * d};
    for (int side = 0; side < kLegSides; ++side) {
        const double s = signs[side];
        for (int place = 0; place < kLegsPerSide; ++place) {
            const int leg = LegAt(LegSide(side), LegPlace(place));
            const double depth = depths[place];
            legs[LegPointIndex(leg, Attachment)] = Vec3(x + s * (w / 2), y, depth);
            legs[LegPointIndex(leg, Knee)] = Vec3(x + s * (w / 2 + legReach), y, depth);
            legs[LegPointIndex(leg, Foot)] = Vec3(x + s * (w / 2 + legReach), y - legDrop, depth);
        }
    }
}

void Lander::UpdateNormals() {
    ComputeBoxNormals(body, kNormalCorners, normals);
}

Vec3 Lander::FootCentre() const {
    auto foot = [this](LegSide side, LegPlace place) {
        return legs[LegPointIndex(LegAt(side, place), Foot)];
    };
    // The four corner feet, summed in this order.
    return (foot(MinusXSide, TowardsMinusZ) + foot(MinusXSide, TowardsPlusZ) +
            foot(PlusXSide, TowardsPlusZ) + foot(PlusXSide, TowardsMinusZ)) /
           4;
}

Vec3 Lander::BodyTopCentre() const {
    return (body[2] + body[3] + body[1] + body[0]) / 4;
}

Vec3 Lander::BodyBottomCentre() const {
    return (body[6] + body[7] + body[5] + body[4]) / 4;
}

void Lander::UpdateCameraPoint() {
    cameraPoint = head->TopCentre();
}

void Lander::PlaceMast() {
    mast->SetPosition(BodyTopCentre());
    mast->swivelAxis = Normal(BoxFace::Top);
    head->SetPosition(mast->TopCentre());
    head->swivelAxis = Normal(BoxFace::Top);
}

void Lander::Translate(const Vec3& d) {
    for (Vec3& p : body)
        p += d;
    for (Vec3& p : legs)
        p += d;
    mast->Translate(d);
    head->Translate(d);
}
