// Bitmaps: loading a bitmap file (bit-field ones here, the others through the backend),
// device-independent bitmap sections, and copying a bitmap's rows out in the 24-bit layout.
#include "platform/core/BitFieldBitmap.h"
#include "platform/core/Gdi.h"

#include <cstring>

using namespace win32;

namespace {

// The 24-bit description both GDI calls accept: bottom-up (positive height) or top-down.
bool Is24BitRgb(const BITMAPINFOHEADER& h) {
    return h.biSize >= sizeof(BITMAPINFOHEADER) && h.biPlanes == 1 && h.biBitCount == 24 &&
           h.biCompression == BI_RGB && h.biWidth > 0 && h.biHeight != 0;
}

std::unique_ptr<Bitmap> BitmapFromBitFields(const std::string& path,
                                            const BitmapFileHeader& header) {
    Dib24 dib;
    if (!DecodeBitFieldBitmap(path, header, dib))
        return nullptr;
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->width = dib.width;
    bitmap->height = dib.height;
    bitmap->stride = dib.stride;
    bitmap->bits = std::move(dib.bits);
    return bitmap;
}

} // namespace

HANDLE LoadImageA(HINSTANCE, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    // Bitmap files at their own size are all the framework loads.
    if (!name || type != IMAGE_BITMAP || !(flags & LR_LOADFROMFILE) || cx != 0 || cy != 0)
        return nullptr;
    // A header past the pixel budget is refused before any decoder sees the file; bit-field
    // bitmaps, which SDL's loader takes only in a few layouts, are decoded here for every
    // backend.
    const std::string path = LocalPath(name);
    BitmapFileHeader header;
    if (!ReadBitmapFileHeader(path, header) || !BitmapFitsBudget(header))
        return nullptr;
    std::unique_ptr<Bitmap> bitmap =
        IsBitFieldBitmap(header) ? BitmapFromBitFields(path, header) : LoadBitmapFile(path);
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
