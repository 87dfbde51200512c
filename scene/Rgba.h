// A colour of four contiguous floats, handed to OpenGL as a pointer.
#pragma once

struct Rgba {
    float r, g, b, a;

    Rgba() : r(0.0f), g(0.0f), b(0.0f), a(0.0f) {}
    Rgba(float r, float g, float b, float a) : r(r), g(g), b(b), a(a) {}

    void Set(float red, float green, float blue, float alpha) {
        r = red;
        g = green;
        b = blue;
        a = alpha;
    }
    // Opaque colour from 0..255 channels.
    static Rgba FromBytes(int red, int green, int blue);
    // The colour times s, always opaque.
    static Rgba Scaled(const Rgba& c, double s);
    static Rgba OpaqueBlack() { return Rgba(0.0f, 0.0f, 0.0f, 1.0f); }
    static Rgba OpaqueWhite() { return Rgba(1.0f, 1.0f, 1.0f, 1.0f); }

    const float* Data() const { return &r; }
    float* Data() { return &r; }
};

static_assert(sizeof(Rgba) == 4 * sizeof(float), "Rgba must be four packed floats");
