// GDI objects: creating bitmaps, the stock objects, describing and deleting objects.
#include "platform/core/Gdi.h"

#include <climits>
#include <cstring>
#include <new>

namespace win32 {

long long DibStride(long long width) {
    const long long stride = (width * 24 + 31) / 32 * 4;
    return stride > INT_MAX ? -1 : stride;
}

std::unique_ptr<Bitmap> NewBitmap(int width, int height) {
    if (width < 1 || height < 1)
        return nullptr;
    const long long stride = DibStride(width);
    if (stride < 0 || stride * height > INT_MAX)
        return nullptr;
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->bits.reset(new (std::nothrow) std::uint8_t[static_cast<size_t>(stride * height)]());
    if (!bitmap->bits)
        return nullptr;
    bitmap->width = width;
    bitmap->height = height;
    bitmap->stride = static_cast<int>(stride);
    return bitmap;
}

HGDIOBJ StockBitmap() {
    HGDIOBJ& stock = GetState().stockBitmap;
    if (!stock) {
        std::unique_ptr<Bitmap> bitmap = NewBitmap(1, 1);
        bitmap->stock = true;
        bitmap->bitsPerPixel = 1;
        stock = AddObject(std::move(bitmap));
    }
    return stock;
}

} // namespace win32

using namespace win32;

namespace {

bool PaletteSelected(HGDIOBJ palette) {
    for (const auto& entry : GetState().objects) {
        const Object& o = *entry.second;
        if ((o.kind == Kind::WindowDc || o.kind == Kind::MemoryDc) &&
            static_cast<const Dc&>(o).palette == palette)
            return true;
    }
    return false;
}

} // namespace

HGDIOBJ GetStockObject(int index) {
    static const std::uint8_t kGrey[NULL_BRUSH] = {255, 192, 128, 64, 0};
    HGDIOBJ* brushes = GetState().stockBrushes;
    if (index < WHITE_BRUSH || index > NULL_BRUSH)
        return nullptr;
    if (!brushes[index]) {
        auto brush = std::make_unique<Brush>();
        brush->stock = true;
        brush->hollow = index == NULL_BRUSH;
        if (!brush->hollow)
            brush->red = brush->green = brush->blue = kGrey[index];
        brushes[index] = AddObject(std::move(brush));
    }
    return brushes[index];
}

int GetObjectA(HANDLE object, int size, LPVOID buffer) {
    Object* o = FindObject(object);
    if (!o || size < 0)
        return 0;
    if (o->kind == Kind::Bitmap) {
        const auto* b = static_cast<const Bitmap*>(o);
        if (!buffer)
            return sizeof(BITMAP);
        BITMAP description{};
        description.bmWidth = b->width;
        description.bmHeight = b->height;
        description.bmWidthBytes = b->stride;
        description.bmPlanes = 1;
        description.bmBitsPixel = static_cast<WORD>(b->bitsPerPixel);
        description.bmBits = b->dibSection ? b->bits.get() : nullptr;
        const int bytes = size < static_cast<int>(sizeof description) ? size : sizeof description;
        std::memcpy(buffer, &description, static_cast<size_t>(bytes));
        return bytes;
    }
    if (o->kind == Kind::Palette) {
        // A palette answers with its number of entries.
        if (!buffer)
            return sizeof(WORD);
        if (size < static_cast<int>(sizeof(WORD)))
            return 0;
        const WORD count = static_cast<WORD>(static_cast<const Palette*>(o)->count);
        std::memcpy(buffer, &count, sizeof count);
        return sizeof count;
    }
    return 0;
}

BOOL DeleteObject(HGDIOBJ object) {
    Object* o = FindObject(object);
    if (!o)
        return FALSE;
    // As on Windows: a memory device context is deleted, a stock object is kept but the call
    // succeeds, and an object still selected into a device context stays.
    if (o->kind == Kind::MemoryDc)
        return DeleteDC(static_cast<HDC>(object));
    if (o->stock)
        return o->kind == Kind::Bitmap || o->kind == Kind::Palette || o->kind == Kind::Brush;
    switch (o->kind) {
    case Kind::Bitmap:
        if (static_cast<Bitmap*>(o)->selectedInto)
            return FALSE;
        break;
    case Kind::Palette:
        if (PaletteSelected(object))
            return FALSE;
        break;
    case Kind::Brush:
        break;
    default:
        return FALSE;
    }
    RemoveObject(object);
    return TRUE;
}
