// Bitmaps: loading a bitmap file through SDL, device-independent bitmap sections, and
// copying a bitmap's rows out in the 24-bit layout.
#include "platform/sdl/GdiInternal.h"

#include <cstring>

using namespace win32;

namespace {

// The 24-bit description both GDI calls accept: bottom-up (positive height) or top-down.
bool Is24BitRgb(const BITMAPINFOHEADER& h) {
    return h.biSize >= sizeof(BITMAPINFOHEADER) && h.biPlanes == 1 && h.biBitCount == 24 &&
           h.biCompression == BI_RGB && h.biWidth > 0 && h.biHeight != 0;
}

std::unique_ptr<Bitmap> BitmapFromSurface(SDL_Surface* loaded) {
    // Alpha is dropped, not blended: GDI keeps a bitmap's colours as they are.
    SDL_SetSurfaceBlendMode(loaded, SDL_BLENDMODE_NONE);
    SDL_Surface* bgr = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_BGR24, 0);
    if (!bgr)
        return nullptr;
    std::unique_ptr<Bitmap> bitmap = NewBitmap(bgr->w, bgr->h);
    if (bitmap)
        for (int y = 0; y < bgr->h; ++y)
            std::memcpy(bitmap->TopRow(y), static_cast<std::uint8_t*>(bgr->pixels) + y * bgr->pitch,
                        static_cast<size_t>(bgr->w) * 3);
    SDL_FreeSurface(bgr);
    return bitmap;
}

} // namespace

HANDLE LoadImageA(HINSTANCE, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    // Bitmap files at their own size are all the framework loads.
    if (!name || type != IMAGE_BITMAP || !(flags & LR_LOADFROMFILE) || cx != 0 || cy != 0)
        return nullptr;
    std::unique_ptr<Bitmap> bitmap;
    {
        const DecodeLimit limit;
        const std::string path = LocalPath(name);
        SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
        if (!loaded)
            return nullptr;
        bitmap = BitmapFromSurface(loaded);
        SDL_FreeSurface(loaded);
        if (bitmap)
            BlackenRunLengthGaps(path, *bitmap);
    }
    return bitmap ? AddObject(std::move(bitmap)) : nullptr;
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
    if (bits)
        *bits = nullptr;
    // Only bottom-up 24-bit sections in memory of their own.
    if ((dc && !FindDc(dc)) || !info || usage != DIB_RGB_COLORS || section || offset != 0 ||
        !Is24BitRgb(info->bmiHeader) || info->bmiHeader.biHeight < 0)
        return nullptr;
    std::unique_ptr<Bitmap> bitmap = NewBitmap(info->bmiHeader.biWidth, info->bmiHeader.biHeight);
    if (!bitmap)
        return nullptr;
    bitmap->dibSection = true;
    void* store = bitmap->bits.get();
    HBITMAP handle = static_cast<HBITMAP>(AddObject(std::move(bitmap)));
    if (bits)
        *bits = store;
    return handle;
}

int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info,
              UINT usage) {
    Bitmap* source = FindBitmap(bitmap);
    if (!FindDc(dc) || !source || !info || usage != DIB_RGB_COLORS)
        return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (!bits) {
        // Asked for the layout only.
        if (h.biSize < sizeof(BITMAPINFOHEADER))
            return 0;
        h.biWidth = source->width;
        h.biHeight = source->height;
        h.biPlanes = 1;
        h.biBitCount = 24;
        h.biCompression = BI_RGB;
        h.biSizeImage = static_cast<DWORD>(source->stride) * static_cast<DWORD>(source->height);
        return source->height;
    }
    if (!Is24BitRgb(h) || h.biWidth != source->width ||
        (h.biHeight > 0 ? h.biHeight : -static_cast<long long>(h.biHeight)) != source->height ||
        start >= static_cast<UINT>(source->height))
        return 0;
    // Lines count from the bottom; the destination holds them in its own order.
    const UINT count = lines < source->height - start ? lines : source->height - start;
    auto* to = static_cast<std::uint8_t*>(bits);
    for (UINT i = 0; i < count; ++i) {
        const int fromBottom = static_cast<int>(start + i);
        std::uint8_t* row = h.biHeight > 0
                                ? to + static_cast<size_t>(i) * source->stride
                                : to + static_cast<size_t>(count - 1 - i) * source->stride;
        std::memcpy(row, source->bits.get() + static_cast<size_t>(fromBottom) * source->stride,
                    static_cast<size_t>(source->stride));
    }
    return static_cast<int>(count);
}
