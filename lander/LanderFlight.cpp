#include "lander/Lander.h"

#include "scene/Angles.h"
#include "scene/Mat3.h"
#include "scene/World.h"

#include <algorithm>
#include <cmath>

namespace {
// Touchdown looks one step ahead from the feet, with this much added to every coordinate.
const Vec3 kTouchdownMargin(5.0, 5.0, 5.0);
// Self-righting leaves the lander alone while its up normal is this close to the vertical.
constexpr double kUprightTolerance = 0.01;

// The plume uses power^4 particles, at most the whole pool. Worked out in double so that a large
// power cannot overflow before the cap.
int PlumeCount(double power) {
    double n = power * power * power * power;
    if (!(n < ParticleSystem::kCapacity))
        return ParticleSystem::kCapacity;
    return static_cast<int>(n);
}

// Any unit vector perpendicular to the non-zero v.
Vec3 PerpendicularTo(const Vec3& v) {
    double ax = std::fabs(v.x), ay = std::fabs(v.y), az = std::fabs(v.z);
    Vec3 least = ax <= ay && ax <= az ? Vec3(1, 0, 0) : (ay <= az ? Vec3(0, 1, 0) : Vec3(0, 0, 1));
    Vec3 axis;
    return axis.SetNormalized(Cross(v, least));
}
} // namespace

void Lander::Update(double dt) {
    ParticleSystem& plume = engine.particles;
    plume.Update();
    if (!running)
        return;

    if (ignitionPending) {
        plume.Restart(engine.nozzle);
        plume.SetEmitting(true);
        plume.SetCount(PlumeCount(engine.power));
        plume.SetActive(true);
        velocity = -engine.thrust;
        ignitionPending = false;
    }

    // Central gravity; mass does not enter the force.
    force.SetNormalized(position);
    force = -(force * gravity);
    plume.SetForce(force);
    velocity += (force / mass) * dt;

    Vec3 predicted = FootCentre() + velocity + kTouchdownMargin;
    if (predicted.Length() < kMoonRadius) {
        running = false;
        ignitionPending = true;
        return;
    }

    Vec3 previous = position;
    position += velocity;
    if (position.Length() < previous.Length())
        plume.SetEmitting(false); // coming down: let the plume die away

    Translate(velocity);
    SelfRight();
    PlaceEngine();
    PlaceMast();
    cameraPoint = head->TopCentre();
    mast->UpdateNormals();
    head->UpdateNormals();
}

// Turns the lander about its foot centre so that its up normal points away from the moon's
// centre again, by the whole angle in one step.
void Lander::SelfRight() {
    Vec3 up, radial;
    up.SetNormalized(Normal(BoxFace::Top));
    radial.SetNormalized(position);
    Vec3 feet = FootCentre();

    bool defined = up.Length() > 0.0 && radial.Length() > 0.0;
    if (defined && !up.IsWithin(radial, kUprightTolerance)) {
        Vec3 axis;
        axis.SetNormalized(Cross(up, radial));
        // Rounding may push the cosine of nearly equal directions past 1.
        double cosine = std::clamp(Dot(radial, up), -1.0, 1.0);
        double degrees = std::acos(cosine) * kRadiansToDegrees;
        // Upside down exactly: the cross product vanishes, so turn about any axis across "up".
        if (!(axis.Length() > 0.0001))
            axis = PerpendicularTo(up);

        Mat3 rotation;
        rotation.SetRotation(axis, degrees);
        auto turn = [&](Vec3& p) { p = rotation.Transform(p - feet) + feet; };
        for (Vec3& p : body)
            turn(p);
        for (Vec3& p : legs)
            turn(p);
        for (Vec3& p : mast->corners)
            turn(p);
        for (Vec3& p : head->corners)
            turn(p);
        turn(position);
    }

    UpdateNormals();
    mast->UpdateNormals();
    head->UpdateNormals();
}
