// Any bitmap file the platform's bitmap loader opens (every BMP variant our own reader
// leaves), copied out as 24-bit rows. The loader only gets files whose header fits the pixel
// budget and whose rows are all there: the system's own believes the header.
#include "framework/ImageClaims.h"
#include "framework/ImageDib.h"
#include "framework/ImageExtra.h"

#include "platform/Win32.h"

bool ImageExtra::ReadWindowsBitmap(const char* name) {
    HBITMAP bitmap =
        PictureHeaderFits(name)
            ? static_cast<HBITMAP>(LoadImageA(nullptr, name, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE))
            : nullptr;
    if (!bitmap) {
        Clear();
        return false;
    }
    BITMAP info;
    if (!GetObjectA(bitmap, sizeof info, &info)) {
        DeleteObject(bitmap);
        Clear();
        return false;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = dc ? SelectObject(dc, bitmap) : nullptr;
    BITMAPINFO description;
    const bool ok = DescribeDib(info.bmWidth, info.bmHeight, description) &&
                    AllocateForDib(*this, description) &&
                    GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels, &description,
                              DIB_RGB_COLORS) != 0;
    if (previous)
        SelectObject(dc, previous);
    DeleteObject(bitmap);
    if (dc)
        DeleteDC(dc);
    if (!ok)
        Clear();
    return ok;
}
