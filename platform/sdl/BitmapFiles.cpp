// Bitmap files through SDL's loader, for both the bitmap loader and the picture loader, with
// every allocation SDL makes meanwhile bounded by the pixel budget.
#include "platform/core/Pictures.h"
#include "platform/sdl/Internal.h"

namespace win32 {

namespace {

// Headroom for SDL's own bookkeeping around a pixel store of the largest size.
constexpr std::size_t kLimit = kMaxPictureBytes + 4096;

void* LimitedMalloc(size_t size) {
    return size > kLimit ? nullptr : GetSdlState().realMalloc(size);
}

void* LimitedCalloc(size_t count, size_t size) {
    return size != 0 && count > kLimit / size ? nullptr : GetSdlState().realCalloc(count, size);
}

void* LimitedRealloc(void* block, size_t size) {
    return size > kLimit ? nullptr : GetSdlState().realRealloc(block, size);
}

// While one exists, SDL refuses any single allocation larger than a picture may need, so that
// a file cannot make its loader reserve what the header merely claims. The limited functions
// call the real ones, so blocks may be freed either side of the limit.
class DecodeLimit {
  public:
    DecodeLimit() {
        SdlState& s = GetSdlState();
        if (s.decodeLimits++ > 0)
            return;
        SDL_GetMemoryFunctions(&s.realMalloc, &s.realCalloc, &s.realRealloc, &s.realFree);
        SDL_SetMemoryFunctions(LimitedMalloc, LimitedCalloc, LimitedRealloc, s.realFree);
    }
    ~DecodeLimit() {
        SdlState& s = GetSdlState();
        if (--s.decodeLimits == 0)
            SDL_SetMemoryFunctions(s.realMalloc, s.realCalloc, s.realRealloc, s.realFree);
    }
    DecodeLimit(const DecodeLimit&) = delete;
    DecodeLimit& operator=(const DecodeLimit&) = delete;
};

// Row by row into the bitmap, so that a load holds no third copy of the picture. Alpha is
// dropped, not blended: GDI keeps a bitmap's colours as they are.
std::unique_ptr<Bitmap> BitmapFromSurface(SDL_Surface* loaded) {
    std::unique_ptr<Bitmap> bitmap = NewBitmap(loaded->w, loaded->h);
    if (!bitmap)
        return nullptr;
    const SDL_Palette* palette = loaded->format->palette;
    if (palette && loaded->format->BytesPerPixel != 1)
        return nullptr;
    for (int y = 0; y < loaded->h; ++y) {
        const std::uint8_t* from = static_cast<std::uint8_t*>(loaded->pixels) + y * loaded->pitch;
        std::uint8_t* to = bitmap->TopRow(y);
        if (!palette) {
            if (SDL_ConvertPixels(loaded->w, 1, loaded->format->format, from, loaded->pitch,
                                  SDL_PIXELFORMAT_BGR24, to, bitmap->stride) != 0)
                return nullptr;
            continue;
        }
        // SDL's loader gives every palette picture one byte a pixel.
        for (int x = 0; x < loaded->w; ++x, to += 3) {
            if (from[x] >= palette->ncolors)
                continue; // black
            const SDL_Color& c = palette->colors[from[x]];
            to[0] = c.b;
            to[1] = c.g;
            to[2] = c.r;
        }
    }
    return bitmap;
}

} // namespace

std::unique_ptr<Bitmap> LoadBitmapFile(const std::string& path) {
    const DecodeLimit limit;
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded)
        return nullptr;
    std::unique_ptr<Bitmap> bitmap = BitmapFromSurface(loaded);
    SDL_FreeSurface(loaded);
    if (bitmap)
        BlackenRunLengthGaps(path, *bitmap);
    return bitmap;
}

std::unique_ptr<RgbaPicture> DecodeBitmapFile(const std::string& path) {
    const DecodeLimit limit;
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded)
        return nullptr;
    SDL_SetSurfaceBlendMode(loaded, SDL_BLENDMODE_NONE);
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    if (!rgba)
        return nullptr;
    // The picture keeps the surface's pixels where they are.
    auto picture = std::make_unique<RgbaPicture>();
    picture->width = rgba->w;
    picture->height = rgba->h;
    picture->pitch = rgba->pitch;
    picture->pixels = static_cast<std::uint8_t*>(rgba->pixels);
    picture->store = {rgba,
                      [](void* surface) { SDL_FreeSurface(static_cast<SDL_Surface*>(surface)); }};
    return picture;
}

} // namespace win32
