#include "scene/TexturedBody.h"

void TexturedBody::LoadTexture() {
    image.Load(fileName);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    image.BuildTexture();
    image.Clear();
}
