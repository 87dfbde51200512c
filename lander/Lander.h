// The vehicle. It jumps: one launch impulse, the engine's thrust reversed, then a coast under
// the moon's central gravity until its feet reach the moon's sphere. Every point of it is kept
// in world coordinates and moved point by point; nothing is drawn through a model matrix.
// The particle pool makes this object large: allocate it on the heap.
#pragma once

#include "lander/Engine.h"
#include "scene/BoxFaces.h"
#include "scene/OrientedBox.h"
#include "scene/Rgba.h"
#include "scene/Vec3.h"

#include <memory>

class Lander {
  public:
    // Six legs, three on each side; each is a bent line of three points.
    static constexpr int kLegCount = 6;
    enum LegPoint { Attachment, Knee, Foot, kPointsPerLeg };
    static constexpr int kLegPointCount = kLegCount * kPointsPerLeg;
    // Where leg `leg` keeps `point` in legs.
    static constexpr int LegPointIndex(int leg, LegPoint point) {
        return leg * kPointsPerLeg + point;
    }

    Lander(double bodyWidth, double bodyHeight, double bodyDepth, double legDrop, double legReach);
    ~Lander();
    Lander(const Lander&) = delete;
    Lander& operator=(const Lander&) = delete;

    // Puts the centre at (x, y, z) and rebuilds the lander there, standing.
    void Place(double x, double y, double z);
    void Reset();
    // One simulation step; dt scales the velocity change only.
    void Update(double dt);
    // Arms the next jump; it ignites at the next Update.
    void Launch() { running = true; }
    void UpdateCameraPoint();
    // The middle of the four corner feet.
    Vec3 FootCentre() const;
    // Not const: drawing the plume rebirths its dead particles.
    void Draw();

    // Engine and camera mast controls.
    void PlaceEngine();
    void SwivelMast(double degrees);
    void TiltMast(double degrees);
    void TiltHead(double degrees);

    const Vec3& Normal(BoxFace face) const { return normals[FaceIndex(face)]; }
    Vec3& Normal(BoxFace face) { return normals[FaceIndex(face)]; }

    double mass = 1.0;
    double gravity = 0.0; // the magnitude of the moon's pull
    bool running = false;
    Engine engine;
    std::unique_ptr<OrientedBox> mast;
    std::unique_ptr<OrientedBox> head;
    Vec3 cameraPoint; // centre of the head's top face
    Rgba colour;
    bool ignitionPending = false; // the next running step starts a new jump
    Vec3 body[8];                 // 0-3 the top face, 4-7 the bottom face
    Vec3 legs[kLegPointCount];    // leg by leg, each from its attachment to its foot
    Vec3 position;
    Vec3 velocity; // world units per step
    Vec3 force;
    double bodyWidth, bodyHeight, bodyDepth, legDrop, legReach;
    Vec3 normals[kBoxFaceCount]; // the body's, by face

  private:
    void BuildGeometry();
    void UpdateNormals();
    Vec3 BodyTopCentre() const;
    Vec3 BodyBottomCentre() const;
    void Translate(const Vec3& d);
    void SelfRight();
    void PlaceMast();
};
