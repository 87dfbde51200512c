// A GLU body that wears a picture. Texture names belong to one rendering context, so every
// context that draws the body loads the picture into a texture of its own.
#pragma once

#include "framework/Image.h"
#include "scene/QuadricBody.h"

#include "platform/Win32.h"

class TexturedBody : public QuadricBody {
  public:
    // Loads the body's picture into a new texture of the current context, with trilinear
    // minification and every mipmap level, frees the pixels again and leaves the texture bound.
    // A picture that cannot be read leaves the texture without an image, and the body then
    // draws as if it were not textured.
    void LoadTexture();

    Image image;        // holds the picture only while it is being loaded
    GLuint texture = 0; // the last texture loaded, in whichever context loaded it

  protected:
    // fileName: the picture, by name relative to the working directory.
    explicit TexturedBody(const char* fileName) : fileName(fileName) {}
    ~TexturedBody() = default;

  private:
    const char* fileName;
};
