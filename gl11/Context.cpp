#include "gl11/Context.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace gl11 {

namespace {
// Constant-initialised, so usable from static initialisation and exit handlers alike.
Context* current = nullptr;

// Each message once per process: a frame would otherwise repeat it thousands of times.
bool FirstTime(const std::string& message) {
    static auto* said = new std::set<std::string>;
    return said->insert(message).second;
}
} // namespace

Context::Context() {
    // Light 0 alone starts white.
    for (float* colour : {lights[0].diffuse, lights[0].specular})
        std::fill(colour, colour + 4, 1.0f);
}

Context* CreateContext(EsLoader loader) {
    auto c = std::make_unique<Context>();
    if (!LoadEsCalls(loader, c->es))
        return nullptr;
    return c.release();
}

void DeleteContext(Context* context) {
    if (!context)
        return;
    if (current == context)
        current = nullptr;
    delete context;
}

void MakeCurrent(Context* context) {
    if (current && current != context && !current->vertices.empty())
        FlushBatch(*current);
    current = context;
}

Context* CurrentContext() {
    return current;
}

void FlushPending() {
    if (current && !current->vertices.empty())
        FlushBatch(*current);
}

Context* Current() {
    return current;
}

void SetError(Context& c, GLenum error) {
    if (c.error == GL_NO_ERROR)
        c.error = error;
}

bool OutsideBegin(Context& c) {
    if (!c.inBegin)
        return true;
    SetError(c, GL_INVALID_OPERATION);
    return false;
}

Context* Usable() {
    Context* c = current;
    return c && OutsideBegin(*c) ? c : nullptr;
}

void Unsupported(Context* c, const char* call) {
    const std::string message = std::string("gl11: ") + call + " is not implemented";
    if (FirstTime(message))
        std::fprintf(stderr, "%s\n", message.c_str());
#ifndef NDEBUG
    std::abort();
#endif
    if (c)
        SetError(*c, GL_INVALID_ENUM);
}

void StateChanging(Context& c) {
    if (!c.vertices.empty())
        FlushBatch(c);
    ++c.stateStamp;
}

std::vector<Mat4>& CurrentStack(Context& c) {
    if (c.matrixMode == GL_PROJECTION)
        return c.projection;
    if (c.matrixMode == GL_TEXTURE)
        return c.texture;
    return c.modelview;
}

Mat4& CurrentMatrix(Context& c) {
    return CurrentStack(c).back();
}

} // namespace gl11
