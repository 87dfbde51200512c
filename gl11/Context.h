// A layer context: the OpenGL 1.1 state of one OpenGL ES context, the drawing gathered but not
// yet sent, the generated programs, and what was asked of OpenGL ES once. Internal to the layer.
#pragma once

#include "gl11/Es.h"
#include "gl11/Matrix.h"
#include "gl11/PixelStore.h"
#include "gl11/Vertex.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace gl11 {

constexpr int kMaxLights = 8;
// The depths the system's OpenGL answers with.
constexpr int kModelviewStackDepth = 32;
constexpr int kProjectionStackDepth = 32;
constexpr int kTextureStackDepth = 10;
constexpr int kClientAttribStackDepth = 16;
constexpr int kMaxTextureLevels = 15;

struct Light {
    float ambient[4] = {0, 0, 0, 1};
    float diffuse[4] = {0, 0, 0, 1};
    float specular[4] = {0, 0, 0, 1};
    float position[4] = {0, 0, 1, 0};    // eye coordinates
    float spotDirection[3] = {0, 0, -1}; // eye coordinates
    float spotExponent = 0;
    float spotCutoff = 180;
    float attenuation[3] = {1, 0, 0}; // constant, linear, quadratic
    bool enabled = false;
};

struct Material {
    float ambient[4] = {0.2f, 0.2f, 0.2f, 1};
    float diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    float specular[4] = {0, 0, 0, 1};
    float emission[4] = {0, 0, 0, 1};
    float shininess = 0;
};

struct TextureLevel {
    int width = 0, height = 0;
    TexelKind kind = TexelKind::None; // None: no image
    GLint internalFormat = 0;         // as the program gave it
};

struct Texture {
    GLuint es = 0; // made at first use
    TextureLevel levels[kMaxTextureLevels];
    GLenum minFilter = GL_NEAREST_MIPMAP_LINEAR;
    GLenum magFilter = GL_LINEAR;
    GLenum wrapS = GL_REPEAT;
    GLenum wrapT = GL_REPEAT;
};

struct ClientArray {
    bool enabled = false;
    GLint size = 4;
    GLenum type = GL_FLOAT;
    GLsizei stride = 0;
    const GLvoid* pointer = nullptr;
};

struct ClientArrays {
    ClientArray vertex, normal, colour, texCoord;
};

struct ClientAttribs {
    GLbitfield mask = 0;
    ClientArrays arrays;
    PixelStore unpack, pack;
};

// A generated program: its key, its OpenGL ES name and where its uniforms are.
struct Program {
    GLuint es = 0;
    std::uint64_t uploadedStamp = 0; // the state stamp its uniforms were last given
    GLint mvp = -1, modelView = -1, normalMatrix = -1, textureMatrix = -1, viewport = -1;
    GLint lightAmbient = -1, lightDiffuse = -1, lightSpecular = -1, lightPosition = -1;
    GLint lightDirection = -1, halfVector = -1;
    GLint spotDirection = -1, spotExponent = -1, spotCosCutoff = -1, attenuation = -1;
    GLint sceneAmbient = -1, frontMaterial = -1, backMaterial = -1;
    GLint frontShininess = -1, backShininess = -1;
    GLint sampler = -1;
};

struct Context {
    Context();

    EsCalls es;
    bool esReady = false; // the OpenGL ES objects below exist
    GLuint vertexArray = 0, vertexBuffer = 0, indexBuffer = 0;
    GLint maxTextureSize = 0;
    std::string vendor, renderer;
    std::unordered_map<std::uint64_t, Program> programs;
    GLuint boundProgram = 0;      // as OpenGL ES has it
    GLuint esTexture = 0;         // bound on OpenGL ES's unit 0
    std::uint64_t stateStamp = 1; // changes with every state a program reads
    long compiledPrograms = 0;

    GLenum error = GL_NO_ERROR;

    // Immediate mode and the gathered drawing.
    bool inBegin = false;
    GLenum beginMode = 0;
    std::size_t blockStart = 0; // where the current glBegin's vertices start
    Primitive batchKind = Primitive::Triangles;
    // Drawing waiting for the current state: the vertices, and for lines and triangles the
    // indices of their whole primitives.
    std::vector<Vertex> vertices;
    std::vector<GLuint> indices;
    // The current normal, colour, texture coordinate and point size; each vertex takes them.
    Vertex current = {{0, 0, 0}, {0, 0, 1}, {1, 1, 1, 1}, {0, 0}, 1};

    // Matrices: the last entry of each stack is the current matrix.
    GLenum matrixMode = GL_MODELVIEW;
    std::vector<Mat4> modelview{Mat4::Identity()};
    std::vector<Mat4> projection{Mat4::Identity()};
    std::vector<Mat4> texture{Mat4::Identity()};

    // Lighting.
    bool lighting = false;
    Light lights[kMaxLights];
    Material front, back;
    float sceneAmbient[4] = {0.2f, 0.2f, 0.2f, 1};
    bool localViewer = false;
    bool twoSide = false;
    bool normalize = false;
    bool colourMaterial = false;
    GLenum colourMaterialFace = GL_FRONT_AND_BACK;
    GLenum colourMaterialParameter = GL_AMBIENT_AND_DIFFUSE;

    // Rasterisation and fragments, mirrored on OpenGL ES as they change.
    bool depthTest = false, cullFace = false, blend = false, dither = true, scissorTest = false;
    GLenum cullFaceMode = GL_BACK, frontFace = GL_CCW;
    GLenum blendSrc = GL_ONE, blendDst = GL_ZERO;
    GLenum depthFunc = GL_LESS;
    bool depthMask = true;
    bool colourMask[4] = {true, true, true, true};
    float clearColour[4] = {0, 0, 0, 0};
    float clearDepth = 1;
    float depthRange[2] = {0, 1};
    GLint viewport[4] = {0, 0, 0, 0};
    GLint scissor[4] = {0, 0, 0, 0};

    // Textures; name 0 is the default texture.
    bool texture2D = false;
    GLuint boundTexture = 0;
    std::unordered_map<GLuint, Texture> textures{{0, Texture()}};
    GLenum textureEnvMode = GL_MODULATE;
    TextureLevel proxy;

    // Client state.
    ClientArrays arrays;
    PixelStore unpack, pack;
    std::vector<ClientAttribs> clientAttribs;
};

// The current context, or null.
Context* Current();

// Records an OpenGL error; the first one stays until glGetError reads it.
void SetError(Context& c, GLenum error);
// False, recording GL_INVALID_OPERATION, between glBegin and glEnd: most calls are not allowed
// there.
bool OutsideBegin(Context& c);
// The current context for a call not allowed between glBegin and glEnd: null without one, or
// inside a block (recording the error).
Context* Usable();
// A call, or a call with these arguments, that the layer does not implement: one line on
// standard error naming it; a debug build stops there. Records GL_INVALID_ENUM.
void Unsupported(Context* c, const char* call);

// Before a change to state that drawing reads: draws what is pending with the state it was
// gathered under, and marks the programs' uniforms as out of date.
void StateChanging(Context& c);
// Draws the gathered primitives (Draw.cpp).
void FlushBatch(Context& c);
// Makes the OpenGL ES objects the layer draws with, the first time only (Draw.cpp).
void EnsureEs(Context& c);

// Gives the material parameters that follow the colour the current colour: for when they stop
// following it (Lighting.cpp).
void StoreTrackedColour(Context& c);

// Whether a capability or client array is on; false for a name that is neither
// (Capabilities.cpp).
bool EnableState(Context& c, GLenum cap, bool* on);
// A pixel storage mode's value; false for a name that is not one (Pixels.cpp).
bool PixelStoreValue(Context& c, GLenum pname, GLint* value);

// The current matrix of the current mode's stack.
Mat4& CurrentMatrix(Context& c);
std::vector<Mat4>& CurrentStack(Context& c);

} // namespace gl11
