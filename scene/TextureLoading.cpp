#include "scene/TextureLoading.h"

GLuint LoadMipmappedTexture(Image& image, const char* fileName) {
    image.Load(fileName);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    image.BuildTexture();
    image.Clear();
    return texture;
}
