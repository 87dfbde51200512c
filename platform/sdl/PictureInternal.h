// The picture loader's pieces: pictures decoded by SDL2_image behind the IPicture interface.
#pragma once

#include "platform/sdl/GdiInternal.h"

#include <string>

namespace win32sdl {

// A new picture object holding `rgba` (SDL_PIXELFORMAT_RGBA32, taken over), with one
// reference, asked for through `iid`. Fails like QueryInterface; the surface is freed then.
HRESULT NewPicture(SDL_Surface* rgba, SHORT type, REFIID iid, void** object);

// A wide path as the local file system spells it (see PictureText.cpp).
std::string NarrowPath(const WCHAR* wide);

// HIMETRIC units for a length in pixels at 96 pixels per inch.
inline LONG HimetricFromPixels(int pixels) {
    return MulDiv(pixels, 2540, 96);
}

} // namespace win32sdl
