// Turning a picture file into a mipmapped texture of the current rendering context.
#pragma once

#include "framework/Image.h"

#include "platform/Win32.h"

// Loads the file into `image`, creates a texture name, binds it with trilinear minification,
// fills every mipmap level from the picture and frees the pixels again. Returns the new name,
// which stays bound. A file that cannot be read leaves the texture without an image.
GLuint LoadMipmappedTexture(Image& image, const char* fileName);
