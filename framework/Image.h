// An in-memory picture of 8-bit channels, stored row by row with the bottom row first (the
// order OpenGL takes texture rows), read from BMP, TGA and other picture files.
#pragma once

#include <cstdint>

// Stored values are fixed: the conversion table is indexed by them.
enum class PixelFormat : std::int32_t {
    RGB = 0,
    RGBA = 1,
    BGR = 2,
    BGRA = 3,
    LUMINANCE = 4,
    LUMINANCE_ALPHA = 5,
    ALPHA = 6,
};

struct ImageExtra;

class Image {
  public:
    Image();
    Image(const Image& other);
    virtual ~Image();
    Image& operator=(const Image& other);

    // Tries the BMP, Windows bitmap, TGA and OLE picture readers in that order. On false the
    // image is empty.
    bool Load(const char* name);

    int Width() const;
    int Height() const;
    int BytesPerPixel() const;
    static int BytesPerPixel(PixelFormat format);
    // Start of row i (row 0 is the bottom row); null outside the image.
    std::uint8_t* Row(int i) const;
    void Clear();
    void FlipVertical();

    // Rewrites the pixels in another format, without row padding. False, with the image
    // unchanged, when the formats cannot be converted or memory ran out.
    bool ConvertTo(PixelFormat target);
    // Uploads the image with all mipmap levels into the texture bound to GL_TEXTURE_2D.
    // Returns 0 or a GLU error code.
    int BuildTexture() const;

    // Never null in a constructed image; never shared between images.
    ImageExtra* extra;
};

// Whether the current OpenGL implementation takes blue-green-red pixel data. Asked of OpenGL
// once per process; later calls return the first answer.
bool BgraSupported();
