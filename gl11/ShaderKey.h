// What a generated program depends on, and the GLSL ES sources generated for it. Programs are
// cached by the packed key, so state that only changes uniform values is not part of it.
#pragma once

#include "gl11/PixelStore.h"

#include <cstdint>
#include <string>

namespace gl11 {

struct Context;

enum class LightKind : std::uint8_t {
    Off,
    Directional,
    Positional,
    DirectionalSpot,
    PositionalSpot
};

// Which material parameters follow the vertex colour.
enum class Tracked : std::uint8_t { None, Ambient, Diffuse, Specular, Emission, AmbientAndDiffuse };

struct ShaderKey {
    bool points = false;
    bool lighting = false;
    LightKind lights[8] = {};
    bool localViewer = false;
    bool twoSide = false;
    bool normalize = false;
    Tracked frontTracked = Tracked::None;
    Tracked backTracked = Tracked::None;
    // Texturing happens only with a complete texture bound.
    TexelKind texture = TexelKind::None;
    std::uint8_t envMode = 0; // 0 modulate, 1 replace, 2 decal
    // Whether a face's material has a specular colour at all.
    bool frontSpecular = false;
    bool backSpecular = false;

    std::uint64_t Packed() const;
};

// The key for drawing primitives of this kind with the context's current state.
ShaderKey KeyFor(const Context& c, bool points);

std::string VertexSource(const ShaderKey& key);
std::string FragmentSource(const ShaderKey& key);

} // namespace gl11
