// Texture objects as OpenGL 1.1 has them, each backed by an OpenGL ES texture made when first
// needed.
#pragma once

#include "gl11/Context.h"

namespace gl11 {

// The kind of texel the bound 2D texture holds when texturing is on and the texture is
// complete (every level its filter needs, alike); None otherwise, when OpenGL 1.1 draws as if
// texturing were off.
TexelKind BoundCompleteTexture(const Context& c);
// Binds the OpenGL ES texture behind texture name on OpenGL ES, making it when needed.
void BindEsTexture(Context& c, GLuint name);

} // namespace gl11
