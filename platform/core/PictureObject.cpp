// A decoded picture behind IPictureDisp and IPicture, drawn into GDI bitmaps by Render.
#include "platform/core/Pictures.h"

#include <cmath>
#include <cstring>
#include <new>

using namespace win32;

bool IsEqualGUID(const GUID& a, const GUID& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID IID_IPicture = {
    0x7BF80980, 0xBF32, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};
const IID IID_IPictureDisp = {
    0x7BF80981, 0xBF32, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

namespace {

class Picture final : public IPictureDisp, public IPicture {
  public:
    Picture(std::unique_ptr<RgbaPicture> rgba, SHORT type)
        : himetricWidth(HimetricFromPixels(rgba->width)),
          himetricHeight(HimetricFromPixels(rgba->height)), pixels(std::move(rgba)), type(type) {}

    HRESULT QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPictureDisp))
            *object = static_cast<IPictureDisp*>(this);
        else if (IsEqualIID(iid, IID_IPicture))
            *object = static_cast<IPicture*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        ++references;
        return S_OK;
    }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override {
        const ULONG left = --references;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT get_Type(SHORT* out) override {
        if (!out)
            return E_POINTER;
        *out = type;
        return S_OK;
    }
    HRESULT get_Width(OLE_XSIZE_HIMETRIC* out) override {
        if (!out)
            return E_POINTER;
        *out = himetricWidth;
        return S_OK;
    }
    HRESULT get_Height(OLE_YSIZE_HIMETRIC* out) override {
        if (!out)
            return E_POINTER;
        *out = himetricHeight;
        return S_OK;
    }
    HRESULT Render(HDC dc, LONG x, LONG y, LONG cx, LONG cy, OLE_XPOS_HIMETRIC xSrc,
                   OLE_YPOS_HIMETRIC ySrc, OLE_XSIZE_HIMETRIC cxSrc, OLE_YSIZE_HIMETRIC cySrc,
                   LPCRECT bounds) override;

  private:
    ~Picture() = default;

    LONG himetricWidth;
    LONG himetricHeight;
    std::unique_ptr<RgbaPicture> pixels;
    SHORT type;
    ULONG references = 1;
};

// Each destination pixel takes the source pixel under its centre, mapped through the HIMETRIC
// rectangle (y growing upwards) into the picture's pixels (y growing downwards), and is
// blended with what the bitmap holds by the picture's alpha.
HRESULT Picture::Render(HDC dc, LONG x, LONG y, LONG cx, LONG cy, OLE_XPOS_HIMETRIC xSrc,
                        OLE_YPOS_HIMETRIC ySrc, OLE_XSIZE_HIMETRIC cxSrc, OLE_YSIZE_HIMETRIC cySrc,
                        LPCRECT) {
    Dc* memory = Find<Dc>(dc, Kind::MemoryDc);
    Bitmap* target = memory ? FindBitmap(memory->bitmap) : nullptr;
    if (!target || cx <= 0 || cy <= 0 || cxSrc == 0 || cySrc == 0)
        return E_INVALIDARG;
    const double scaleX = static_cast<double>(pixels->width) / himetricWidth;
    const double scaleY = static_cast<double>(pixels->height) / himetricHeight;
    const long long left = x > 0 ? x : 0, right = x + static_cast<long long>(cx);
    const long long top = y > 0 ? y : 0, bottom = y + static_cast<long long>(cy);
    for (long long dy = top; dy < bottom && dy < target->height; ++dy) {
        const double hy = ySrc + (dy - y + 0.5) * cySrc / cy;
        const double sy = std::floor((himetricHeight - hy) * scaleY);
        if (sy < 0 || sy >= pixels->height)
            continue;
        const std::uint8_t* row = pixels->Row(static_cast<int>(sy));
        std::uint8_t* out = target->TopRow(static_cast<int>(dy));
        for (long long dx = left; dx < right && dx < target->width; ++dx) {
            const double sx = std::floor((xSrc + (dx - x + 0.5) * cxSrc / cx) * scaleX);
            if (sx < 0 || sx >= pixels->width)
                continue;
            const std::uint8_t* s = row + 4 * static_cast<int>(sx);
            std::uint8_t* d = out + 3 * dx;
            const int a = s[3];
            for (int c = 0; c < 3; ++c) {
                const int over = s[2 - c]; // blue, green, red from red, green, blue
                d[c] = static_cast<std::uint8_t>((over * a + d[c] * (255 - a) + 127) / 255);
            }
        }
    }
    return S_OK;
}

} // namespace

namespace win32 {

bool PictureSizeAllowed(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= static_cast<long long>(kMaxPictureBytes / 4);
}

std::unique_ptr<RgbaPicture> NewRgbaPicture(long long width, long long height) {
    if (!PictureSizeAllowed(width, height))
        return nullptr;
    const size_t bytes = static_cast<size_t>(width * height * 4);
    std::unique_ptr<std::uint8_t[]> store(new (std::nothrow) std::uint8_t[bytes]());
    if (!store)
        return nullptr;
    auto picture = std::make_unique<RgbaPicture>();
    picture->width = static_cast<int>(width);
    picture->height = static_cast<int>(height);
    picture->pitch = static_cast<int>(width * 4);
    picture->pixels = store.get();
    picture->store = {store.release(),
                      [](void* block) { delete[] static_cast<std::uint8_t*>(block); }};
    return picture;
}

HRESULT NewPicture(std::unique_ptr<RgbaPicture> rgba, SHORT type, REFIID iid, void** object) {
    auto* picture = new Picture(std::move(rgba), type);
    const HRESULT result = static_cast<IPicture*>(picture)->QueryInterface(iid, object);
    static_cast<IPicture*>(picture)->Release();
    return result;
}

} // namespace win32
