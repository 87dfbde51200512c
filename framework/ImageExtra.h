// The private record of an Image: its pixel store and the file readers that fill it.
#pragma once

#include "framework/Image.h"

#include <cstdint>

struct ImageExtra {
    explicit ImageExtra(Image* owner) : owner(owner) {}
    ~ImageExtra();
    ImageExtra(const ImageExtra&) = delete;
    ImageExtra& operator=(const ImageExtra&) = delete;

    // Replaces the store with an uninitialised one. A zero width or height leaves the image
    // empty and succeeds; a negative size, a store past kMaxPictureBytes or a failed
    // allocation leaves it empty and fails.
    bool Allocate(int width, int height, PixelFormat format, int padding);
    void Clear();
    // Exchanges the pixel stores, with their formats and sizes; the owners stay.
    void Swap(ImageExtra& other);

    // Uncompressed 8-bit (palette) and 24-bit BMP files; BGR or LUMINANCE, no padding.
    bool ReadBmp(const char* name);
    // Any bitmap the platform's bitmap loader opens; BGR with rows padded to 4 bytes.
    bool ReadWindowsBitmap(const char* name);
    // Uncompressed or run-length 24-bit and 32-bit TGA files; BGR or BGRA, no padding.
    bool ReadTga(const char* name);
    // Any picture the platform's picture loader renders; BGR with rows padded to 4 bytes.
    bool ReadOlePicture(const char* name);

    Image* const owner;
    PixelFormat format = PixelFormat::RGB;
    std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int size = 0; // stride * height
    int capacity = 0;
    int rowBytes = 0; // width * bytes per pixel
    int stride = 0;   // rowBytes plus the row padding
};
