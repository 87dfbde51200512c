// Any picture the platform's OLE picture loader can open, drawn into a 24-bit bitmap. The
// loader only gets files whose headers fit the pixel budget, and the bitmap is no larger.
#include "framework/ImageClaims.h"
#include "framework/ImageDib.h"
#include "framework/ImageExtra.h"
#include "framework/ImagePath.h"

#include "platform/Win32.h"

#include <cctype>
#include <cstring>
#include <vector>

bool FullPicturePath(const char* name, std::string& path) {
    if (!name)
        return false;
    // A name from the root ("/dir/pic.png") is already full where the system's paths start
    // with a slash; joined to the working directory it would name nothing anywhere.
    if ((std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':') || name[0] == '/' ||
        std::strchr(name, '\\')) {
        path = name;
        return true;
    }
    char directory[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
    if (length == 0 || length >= MAX_PATH)
        return false;
    if (length + std::strlen(name) + 2 > MAX_PATH)
        return false;
    path = std::string(directory) + '\\' + name;
    return true;
}

namespace {

// Draws the picture upright into a new DIB section of its size in screen pixels and copies
// the bits into the image.
bool RenderInto(ImageExtra& image, IPicture* picture, HDC dc) {
    OLE_XSIZE_HIMETRIC himetricWidth = 0;
    OLE_YSIZE_HIMETRIC himetricHeight = 0;
    picture->get_Width(&himetricWidth);
    picture->get_Height(&himetricHeight);
    const int w = MulDiv(himetricWidth, GetDeviceCaps(dc, LOGPIXELSX), 2540);
    const int h = MulDiv(himetricHeight, GetDeviceCaps(dc, LOGPIXELSY), 2540);
    BITMAPINFO description;
    void* bits = nullptr;
    HBITMAP section = DescribeDib(w, h, description)
                          ? CreateDIBSection(dc, &description, DIB_RGB_COLORS, &bits, nullptr, 0)
                          : nullptr;
    if (!section || !bits) {
        if (section)
            DeleteObject(section);
        return false;
    }
    HGDIOBJ previous = SelectObject(dc, section);
    SHORT type = 0;
    if (SUCCEEDED(picture->get_Type(&type)) && type != PICTYPE_BITMAP) {
        // Icons and metafiles appear on white.
        RECT all;
        SetRect(&all, 0, 0, w, h);
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    // HIMETRIC y grows upwards: the source is given from its top edge down.
    bool ok = picture->Render(dc, 0, 0, w, h, 0, himetricHeight, himetricWidth, -himetricHeight,
                              nullptr) == S_OK;
    ok = ok && AllocateForDib(image, description) &&
         image.size == static_cast<int>(description.bmiHeader.biSizeImage);
    if (ok)
        std::memcpy(image.pixels, bits, static_cast<size_t>(image.size));
    if (previous)
        SelectObject(dc, previous);
    DeleteObject(section);
    return ok;
}

} // namespace

bool ImageExtra::ReadOlePicture(const char* name) {
    std::string path;
    if (!FullPicturePath(name, path) || !PictureHeaderFits(name))
        return false;
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::vector<WCHAR> wide(wideLength > 0 ? static_cast<size_t>(wideLength) : 1);
    if (wideLength <= 0 ||
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), wideLength) != wideLength)
        return false;
    IPictureDisp* disp = nullptr;
    if (OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPictureDisp,
                           reinterpret_cast<void**>(&disp)) != S_OK ||
        !disp)
        return false;
    IPicture* picture = nullptr;
    if (FAILED(disp->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture))) ||
        !picture) {
        disp->Release();
        return false;
    }
    bool ok = false;
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        ok = RenderInto(*this, picture, dc);
        DeleteDC(dc);
        if (!ok)
            Clear();
    }
    picture->Release();
    disp->Release();
    return ok;
}
