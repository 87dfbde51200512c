// The generated programs: OpenGL 1.1's vertex lighting written out for the lights that are on,
// in single precision, term by term in the order OpenGL 1.1 gives its lighting equation, and
// its texture environment.
#include "gl11/Context.h"
#include "gl11/ShaderKey.h"
#include "gl11/Textures.h"

namespace gl11 {

namespace {
Tracked TrackedBy(GLenum parameter) {
    switch (parameter) {
    case GL_AMBIENT:
        return Tracked::Ambient;
    case GL_DIFFUSE:
        return Tracked::Diffuse;
    case GL_SPECULAR:
        return Tracked::Specular;
    case GL_EMISSION:
        return Tracked::Emission;
    default:
        return Tracked::AmbientAndDiffuse;
    }
}

LightKind KindOf(const Light& light) {
    if (!light.enabled)
        return LightKind::Off;
    const bool spot = light.spotCutoff != 180;
    if (light.position[3] == 0)
        return spot ? LightKind::DirectionalSpot : LightKind::Directional;
    return spot ? LightKind::PositionalSpot : LightKind::Positional;
}

// One material parameter of one face: the vertex colour when it is tracked, else its uniform.
std::string Parameter(Tracked tracked, Tracked which, const char* uniform, int index) {
    const bool follows =
        tracked == which || (tracked == Tracked::AmbientAndDiffuse &&
                             (which == Tracked::Ambient || which == Tracked::Diffuse));
    return follows ? "aColour" : std::string(uniform) + "[" + std::to_string(index) + "]";
}

// A function lighting one face: its material, then each light's share added in light order.
std::string LitFunction(const ShaderKey& key, const char* name, const char* material,
                        const char* shininess, Tracked tracked, bool specular) {
    std::string s = "vec4 " + std::string(name) + "(vec3 n, vec3 eye) {\n";
    s += "    vec4 ma = " + Parameter(tracked, Tracked::Ambient, material, 0) + ";\n";
    s += "    vec4 md = " + Parameter(tracked, Tracked::Diffuse, material, 1) + ";\n";
    s += "    vec4 ms = " + Parameter(tracked, Tracked::Specular, material, 2) + ";\n";
    s += "    vec4 me = " + Parameter(tracked, Tracked::Emission, material, 3) + ";\n";
    s += "    float shininess = " + std::string(shininess) + ";\n";
    s += "    vec3 c = me.rgb + ma.rgb * uSceneAmbient.rgb;\n";
    for (int i = 0; i < 8; ++i) {
        const LightKind kind = key.lights[i];
        if (kind == LightKind::Off)
            continue;
        const std::string l = "[" + std::to_string(i) + "]";
        const bool positional = kind == LightKind::Positional || kind == LightKind::PositionalSpot;
        const bool spot = kind == LightKind::DirectionalSpot || kind == LightKind::PositionalSpot;
        s += "    {\n";
        if (positional) {
            s += "        vec3 d = uLightPosition" + l + ".xyz - eye;\n";
            s += "        float dist = length(d);\n";
            s += "        vec3 vp = normalize(d);\n";
            s += "        float att = 1.0 / (uAttenuation" + l + ".x + uAttenuation" + l +
                 ".y * dist + uAttenuation" + l + ".z * (dist * dist));\n";
        } else {
            s += "        vec3 vp = uLightDirection" + l + ";\n";
            s += "        float att = 1.0;\n";
        }
        if (spot) {
            s += "        float sd = dot(-vp, uSpotDirection" + l + ");\n";
            s += "        float spot = sd < uSpotCosCutoff" + l + " ? 0.0 : uSpotExponent" + l +
                 " == 0.0 ? 1.0 : pow(max(sd, 0.0), uSpotExponent" + l + ");\n";
        } else {
            s += "        float spot = 1.0;\n";
        }
        s += "        float ndotvp = max(dot(n, vp), 0.0);\n";
        std::string terms =
            "ma.rgb * uLightAmbient" + l + ".rgb + ndotvp * md.rgb * uLightDiffuse" + l + ".rgb";
        // A material without specular colour adds nothing there: the term is left out.
        if (specular) {
            // The half vector of a directional light seen from afar is the same everywhere.
            if (key.localViewer)
                s += "        vec3 h = normalize(vp + normalize(-eye));\n";
            else if (positional)
                s += "        vec3 h = normalize(vp + vec3(0.0, 0.0, 1.0));\n";
            else
                s += "        vec3 h = uHalfVector" + l + ";\n";
            s += "        float ndoth = max(dot(n, h), 0.0);\n";
            s += "        float f = ndotvp != 0.0 ? 1.0 : 0.0;\n";
            s += "        float sp = f == 0.0 ? 0.0 : shininess == 0.0 ? 1.0 : pow(ndoth, "
                 "shininess);\n";
            terms += " + sp * ms.rgb * uLightSpecular" + l + ".rgb";
        }
        s += "        c += (att * spot) * (" + terms + ");\n";
        s += "    }\n";
    }
    s += "    return clamp(vec4(c, md.a), 0.0, 1.0);\n}\n";
    return s;
}

bool HasSpecular(const Material& m, Tracked tracked) {
    return tracked == Tracked::Specular || m.specular[0] != 0 || m.specular[1] != 0 ||
           m.specular[2] != 0;
}

// Whether any light needs the eye-space position of the vertex.
bool NeedsEye(const ShaderKey& key) {
    if (key.localViewer)
        return true;
    for (LightKind kind : key.lights)
        if (kind == LightKind::Positional || kind == LightKind::PositionalSpot)
            return true;
    return false;
}
} // namespace

std::uint64_t ShaderKey::Packed() const {
    std::uint64_t k = 0;
    for (int i = 7; i >= 0; --i)
        k = k << 3 | static_cast<std::uint64_t>(lights[i]);
    k = k << 1 | points;
    k = k << 1 | lighting;
    k = k << 1 | localViewer;
    k = k << 1 | twoSide;
    k = k << 1 | normalize;
    k = k << 3 | static_cast<std::uint64_t>(frontTracked);
    k = k << 3 | static_cast<std::uint64_t>(backTracked);
    k = k << 3 | static_cast<std::uint64_t>(texture);
    k = k << 2 | envMode;
    k = k << 1 | frontSpecular;
    k = k << 1 | backSpecular;
    return k;
}

ShaderKey KeyFor(const Context& c, bool points) {
    ShaderKey key;
    key.points = points;
    key.lighting = c.lighting;
    if (c.lighting) {
        for (int i = 0; i < kMaxLights; ++i)
            key.lights[i] = KindOf(c.lights[i]);
        key.localViewer = c.localViewer;
        key.twoSide = c.twoSide;
        key.normalize = c.normalize;
        if (c.colourMaterial) {
            const Tracked t = TrackedBy(c.colourMaterialParameter);
            if (c.colourMaterialFace != GL_BACK)
                key.frontTracked = t;
            if (c.colourMaterialFace != GL_FRONT)
                key.backTracked = t;
        }
        key.frontSpecular = HasSpecular(c.front, key.frontTracked);
        key.backSpecular = key.twoSide && HasSpecular(c.back, key.backTracked);
    }
    key.texture = BoundCompleteTexture(c);
    if (key.texture != TexelKind::None)
        key.envMode = c.textureEnvMode == GL_REPLACE ? 1 : c.textureEnvMode == GL_DECAL ? 2 : 0;
    return key;
}

std::string VertexSource(const ShaderKey& key) {
    std::string s = "#version 300 es\nprecision highp float;\n"
                    "in vec4 aPosition;\nin vec3 aNormal;\nin vec4 aColour;\n"
                    "in vec4 aTexCoord;\nin float aPointSize;\n"
                    "uniform mat4 uMvp;\n"
                    "out vec4 vColour;\n";
    if (key.twoSide)
        s += "out vec4 vBackColour;\n";
    if (key.texture != TexelKind::None)
        s += "uniform mat4 uTextureMatrix;\nout vec4 vTexCoord;\n";
    if (key.points)
        s += "uniform vec4 uViewport;\n";
    if (key.lighting) {
        s += "uniform mat4 uModelView;\nuniform mat3 uNormalMatrix;\n"
             "uniform vec4 uSceneAmbient;\n"
             "uniform vec4 uLightAmbient[8];\nuniform vec4 uLightDiffuse[8];\n"
             "uniform vec4 uLightSpecular[8];\nuniform vec4 uLightPosition[8];\n"
             "uniform vec3 uLightDirection[8];\nuniform vec3 uHalfVector[8];\n"
             "uniform vec3 uSpotDirection[8];\nuniform float uSpotExponent[8];\n"
             "uniform float uSpotCosCutoff[8];\nuniform vec3 uAttenuation[8];\n"
             "uniform vec4 uFrontMaterial[4];\nuniform float uFrontShininess;\n";
        s += LitFunction(key, "LitFront", "uFrontMaterial", "uFrontShininess", key.frontTracked,
                         key.frontSpecular);
        if (key.twoSide) {
            s += "uniform vec4 uBackMaterial[4];\nuniform float uBackShininess;\n";
            s += LitFunction(key, "LitBack", "uBackMaterial", "uBackShininess", key.backTracked,
                             key.backSpecular);
        }
    }
    s += "void main() {\n    gl_Position = uMvp * aPosition;\n";
    if (key.lighting) {
        s += NeedsEye(key) ? "    vec3 eye = (uModelView * aPosition).xyz;\n"
                           : "    vec3 eye = vec3(0.0);\n";
        s += "    vec3 n = uNormalMatrix * aNormal;\n";
        if (key.normalize)
            s += "    n = normalize(n);\n";
        s += "    vColour = LitFront(n, eye);\n";
        if (key.twoSide)
            s += "    vBackColour = LitBack(-n, eye);\n";
    } else {
        s += "    vColour = clamp(aColour, 0.0, 1.0);\n";
        if (key.twoSide)
            s += "    vBackColour = vColour;\n";
    }
    if (key.texture != TexelKind::None)
        s += "    vTexCoord = uTextureMatrix * aTexCoord;\n";
    if (key.points) {
        // OpenGL 1.1's points: the size snapped to the rasteriser's 1/256 steps and rounded to a
        // whole number of at least 1; the square centred on a pixel's centre (odd sizes) or
        // corner (even sizes) near the snapped window position. A point outside the clip volume
        // stays where it is, to be clipped.
        s += "    float size = max(floor((roundEven(aPointSize * 256.0) + 127.0) / 256.0), 1.0);\n"
             "    gl_PointSize = size;\n"
             "    vec4 p = gl_Position;\n"
             "    if (p.w > 0.0 && all(lessThanEqual(abs(p.xy), vec2(p.w)))) {\n"
             "        vec2 halfSize = uViewport.zw * 0.5;\n"
             "        vec2 window = (p.xy / p.w) * halfSize + (uViewport.xy + halfSize);\n"
             "        window = floor(window * 256.0 + 0.5) / 256.0;\n"
             "        vec2 centre = mod(size, 2.0) == 1.0 ? floor(window) + 0.5 : floor(window + "
             "0.5);\n"
             "        gl_Position.xy = (centre - (uViewport.xy + halfSize)) / halfSize * p.w;\n"
             "    }\n";
    }
    s += "}\n";
    return s;
}

std::string FragmentSource(const ShaderKey& key) {
    std::string s = "#version 300 es\nprecision highp float;\nin vec4 vColour;\n";
    if (key.twoSide)
        s += "in vec4 vBackColour;\n";
    if (key.texture != TexelKind::None)
        s += "in vec4 vTexCoord;\nuniform sampler2D uSampler;\n";
    s += "out vec4 fragColour;\nvoid main() {\n";
    s += key.twoSide ? "    vec4 c = gl_FrontFacing ? vColour : vBackColour;\n"
                     : "    vec4 c = vColour;\n";
    if (key.texture != TexelKind::None) {
        s += "    vec4 t = texture(uSampler, vTexCoord.st / vTexCoord.q);\n";
        const bool colour = key.texture != TexelKind::Alpha;
        const bool alpha = key.texture == TexelKind::Alpha ||
                           key.texture == TexelKind::LuminanceAlpha ||
                           key.texture == TexelKind::Rgba;
        if (key.envMode == 0) {
            if (colour)
                s += "    c.rgb = c.rgb * t.rgb;\n";
            if (alpha)
                s += "    c.a = c.a * t.a;\n";
        } else if (key.envMode == 1) {
            if (colour)
                s += "    c.rgb = t.rgb;\n";
            if (alpha)
                s += "    c.a = t.a;\n";
        } else if (key.texture == TexelKind::Rgb) {
            s += "    c.rgb = t.rgb;\n";
        } else if (key.texture == TexelKind::Rgba) {
            s += "    c.rgb = c.rgb * (1.0 - t.a) + t.rgb * t.a;\n";
        }
    }
    s += "    fragColour = c;\n}\n";
    return s;
}

} // namespace gl11
