// One vertex as the layer hands it to OpenGL ES, and the three kinds of primitive it draws.
#pragma once

namespace gl11 {

// Every per-vertex value OpenGL 1.1 keeps, as floats. The point size rides along with each
// vertex so that points of different sizes share one draw.
struct Vertex {
    float position[3];
    float normal[3];
    float colour[4];
    float texCoord[2];
    float pointSize;
};

// Attribute locations in the generated programs.
enum Attribute {
    PositionAttribute,
    NormalAttribute,
    ColourAttribute,
    TexCoordAttribute,
    PointSizeAttribute
};

// Everything OpenGL 1.1 draws becomes lists of one of these.
enum class Primitive { Points, Lines, Triangles };

} // namespace gl11
