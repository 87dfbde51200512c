// glEnable, glDisable and glIsEnabled. Capabilities the generated programs read stay in the
// layer; the ones OpenGL ES has are mirrored there.
#include "gl11/Context.h"

#include <cstdio>

namespace gl11 {

namespace {
// The layer's flag for a capability it implements, or null.
bool* Flag(Context& c, GLenum cap) {
    if (cap >= GL_LIGHT0 && cap < GL_LIGHT0 + kMaxLights)
        return &c.lights[cap - GL_LIGHT0].enabled;
    switch (cap) {
    case GL_LIGHTING:
        return &c.lighting;
    case GL_COLOR_MATERIAL:
        return &c.colourMaterial;
    case GL_NORMALIZE:
        return &c.normalize;
    case GL_TEXTURE_2D:
        return &c.texture2D;
    case GL_DEPTH_TEST:
        return &c.depthTest;
    case GL_CULL_FACE:
        return &c.cullFace;
    case GL_BLEND:
        return &c.blend;
    case GL_DITHER:
        return &c.dither;
    case GL_SCISSOR_TEST:
        return &c.scissorTest;
    default:
        return nullptr;
    }
}

bool MirroredOnEs(GLenum cap) {
    return cap == GL_DEPTH_TEST || cap == GL_CULL_FACE || cap == GL_BLEND || cap == GL_DITHER ||
           cap == GL_SCISSOR_TEST;
}

bool* ClientFlag(Context& c, GLenum array) {
    switch (array) {
    case GL_VERTEX_ARRAY:
        return &c.arrays.vertex.enabled;
    case GL_NORMAL_ARRAY:
        return &c.arrays.normal.enabled;
    case GL_COLOR_ARRAY:
        return &c.arrays.colour.enabled;
    case GL_TEXTURE_COORD_ARRAY:
        return &c.arrays.texCoord.enabled;
    default:
        return nullptr;
    }
}

void Set(GLenum cap, bool on, const char* call) {
    Context* c = Usable();
    if (!c)
        return;
    bool* flag = Flag(*c, cap);
    if (!flag) {
        // Turning off what the layer never turns on changes nothing.
        if (on) {
            char named[32];
            std::snprintf(named, sizeof named, "%s(0x%04X)", call, cap);
            Unsupported(c, named);
        }
        return;
    }
    if (*flag == on)
        return;
    if (cap == GL_COLOR_MATERIAL && !on)
        StoreTrackedColour(*c);
    StateChanging(*c);
    *flag = on;
    if (MirroredOnEs(cap)) {
        EnsureEs(*c);
        if (on)
            c->es.Enable(cap);
        else
            c->es.Disable(cap);
    }
}

void SetClient(GLenum array, bool on) {
    Context* c = Usable();
    if (!c)
        return;
    if (bool* flag = ClientFlag(*c, array))
        *flag = on;
    else if (array == GL_INDEX_ARRAY || array == GL_EDGE_FLAG_ARRAY)
        Unsupported(c, "colour index and edge flag arrays");
    else
        SetError(*c, GL_INVALID_ENUM);
}
} // namespace

void glEnable(GLenum cap) {
    Set(cap, true, "glEnable");
}

void glDisable(GLenum cap) {
    Set(cap, false, "glDisable");
}

bool EnableState(Context& c, GLenum cap, bool* on) {
    const bool* flag = Flag(c, cap);
    if (!flag)
        flag = ClientFlag(c, cap);
    if (flag)
        *on = *flag;
    return flag != nullptr;
}

GLboolean glIsEnabled(GLenum cap) {
    Context* c = Usable();
    if (!c)
        return GL_FALSE;
    bool on = false;
    // What the layer does not implement is never on.
    EnableState(*c, cap, &on);
    return on ? GL_TRUE : GL_FALSE;
}

void glEnableClientState(GLenum array) {
    SetClient(array, true);
}

void glDisableClientState(GLenum array) {
    SetClient(array, false);
}

} // namespace gl11
