// The 24-bit device-independent bitmap layout both GDI readers copy pixels out of.
#pragma once

#include "framework/ImageExtra.h"

#include "platform/PictureBudget.h"
#include "platform/Win32.h"

#include <cstring>

// Describes w x h at 24 bits, bottom row first, each row rounded up to whole 32-bit words.
// False when the bitmap would pass the pixel budget.
inline bool DescribeDib(int w, int h, BITMAPINFO& description) {
    const long long stride = (static_cast<long long>(w) * 24 + 31) / 32 * 4;
    if (w < 1 || h < 1 || stride * h > static_cast<long long>(kMaxPictureBytes))
        return false;
    std::memset(&description, 0, sizeof description);
    BITMAPINFOHEADER& header = description.bmiHeader;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = w;
    header.biHeight = h;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(stride * h);
    return true;
}

// Allocates the image as BGR with the row padding that makes its stride the bitmap's.
inline bool AllocateForDib(ImageExtra& image, const BITMAPINFO& description) {
    const long long w = description.bmiHeader.biWidth;
    const long long stride = (w * 24 + 31) / 32 * 4;
    const int padding = static_cast<int>(stride - (w * 24 + 7) / 8);
    return image.Allocate(static_cast<int>(w), description.bmiHeader.biHeight, PixelFormat::BGR,
                          padding);
}
