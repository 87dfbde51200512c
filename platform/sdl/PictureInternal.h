// The picture loader's pieces: pictures decoded by SDL2_image or our GIF reader behind the
// IPicture interface.
#pragma once

#include "platform/sdl/GdiInternal.h"

#include <cstdint>
#include <string>

namespace win32sdl {

// A new picture object holding `rgba` (SDL_PIXELFORMAT_RGBA32, taken over), with one
// reference, asked for through `iid`. Fails like QueryInterface; the surface is freed then.
HRESULT NewPicture(SDL_Surface* rgba, SHORT type, REFIID iid, void** object);

// The first image of a GIF file on its logical screen, as an SDL_PIXELFORMAT_RGBA32 surface;
// null when the file is damaged beyond a short end, or too large.
SDL_Surface* DecodeGif(const std::uint8_t* data, size_t size);

// A wide path as the local file system spells it (see PictureText.cpp).
std::string NarrowPath(const WCHAR* wide);

// HIMETRIC units for a length in pixels at 96 pixels per inch.
inline LONG HimetricFromPixels(int pixels) {
    return MulDiv(pixels, 2540, 96);
}

} // namespace win32sdl
