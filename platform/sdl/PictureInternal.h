// The picture loader's pieces: decoders of our own or over libpng and libjpeg, each reading a
// whole file from memory, behind the IPicture interface.
#pragma once

#include "platform/sdl/GdiInternal.h"

#include <cstdint>
#include <string>

namespace win32 {

// The longest side a decoded picture may have; its pixels must also fit kMaxPictureBytes.
constexpr int kMaxPictureSide = 65535;

// Whether a picture of this size may be decoded: both sides positive and within the limits.
bool PictureSizeAllowed(long long width, long long height);

// A zeroed SDL_PIXELFORMAT_RGBA32 surface, or null when the size is not allowed or memory ran
// out.
SDL_Surface* NewRgbaSurface(long long width, long long height);

// A new picture object holding `rgba` (SDL_PIXELFORMAT_RGBA32, taken over), with one
// reference, asked for through `iid`. Fails like QueryInterface; the surface is freed then.
HRESULT NewPicture(SDL_Surface* rgba, SHORT type, REFIID iid, void** object);

// Decoders of whole files, each giving an SDL_PIXELFORMAT_RGBA32 surface or null when the file
// is damaged or too large. Their work is bounded by the file's size and the pixel count.
// The first image of a GIF file on its logical screen.
SDL_Surface* DecodeGif(const std::uint8_t* data, size_t size);
SDL_Surface* DecodePng(const std::uint8_t* data, size_t size);
SDL_Surface* DecodeJpeg(const std::uint8_t* data, size_t size);
// One image of an icon or cursor file, transparent where its mask says so.
SDL_Surface* DecodeIcon(const std::uint8_t* data, size_t size);

// A wide path as the local file system spells it (see PictureText.cpp).
std::string NarrowPath(const WCHAR* wide);

// HIMETRIC units for a length in pixels at 96 pixels per inch.
inline LONG HimetricFromPixels(int pixels) {
    return MulDiv(pixels, 2540, 96);
}

} // namespace win32
