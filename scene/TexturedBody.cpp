#include "scene/TexturedBody.h"

void TexturedBody::LoadTexture() {
    image.Load(fileName);
    // Without a current context OpenGL makes no name: the body then has none, rather than
    // keeping one from a context it was loaded into before.
    GLuint name = 0;
    glGenTextures(1, &name);
    texture = name;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    image.BuildTexture();
    image.Clear();
}
