// One fixed-function OpenGL light: its settings live here and are sent to the current context on
// request. Colours and position go separately, because the position must be sent under the
// modelview matrix of the moment while the colours are sent once per frame.
#pragma once

#include "scene/Rgba.h"
#include "scene/Vec3.h"

class Light {
  public:
    // Values of positional.
    static constexpr int kDirectional = 0;
    static constexpr int kSpot = 1;

    Light() = default;

    void Setup(int number, const Rgba& ambient, const Rgba& diffuse, const Vec3& position,
               int positional);
    void SetPosition(const Vec3& position);
    void SetSpot(const Vec3& direction, double cutoff, double exponent);
    void On() { enabled = true; }
    void Off() { enabled = false; }
    void SetIntensity(double intensity);

    // Sends the diffuse and ambient colours, scaled by the intensity.
    void ApplyColours() const;
    // Switches the light on or off in OpenGL; when on, sends the position (and the spot values
    // of a positional light) through the current modelview matrix.
    void Apply() const;

    // Which OpenGL light this is (GL_LIGHT0 + number); valid numbers are 0 to 7.
    int number = -1;
    double intensity = 1.0;
    Rgba ambient;
    Rgba diffuse;
    Vec3 position;
    int positional = kDirectional; // also the w of the position
    bool enabled = false;
    Vec3 spotDirection;
    double spotCutoff = 180.0;
    double spotExponent = 0.0;

  private:
    bool HasValidNumber() const { return number >= 0 && number < 8; }
};
