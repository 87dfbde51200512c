// The image record: construction, copying, the pixel store and the chain of readers.
#include "framework/Image.h"

#include "framework/Assert.h"
#include "framework/ImageExtra.h"

#include "platform/PictureBudget.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

Image::Image() : extra(new (std::nothrow) ImageExtra(this)) {
    FW_ASSERT(extra != NULL);
}

Image::Image(const Image& other) : extra(new (std::nothrow) ImageExtra(this)) {
    FW_ASSERT(extra != NULL);
    *this = other;
}

Image::~Image() {
    extra->Clear();
    delete extra;
}

Image& Image::operator=(const Image& other) {
    if (this == &other)
        return *this;
    const ImageExtra& src = *other.extra;
    if (!extra->Allocate(src.width, src.height, src.format, src.stride - src.rowBytes))
        return *this;
    for (int i = 0; i < extra->height; ++i)
        std::memcpy(Row(i), other.Row(i), static_cast<size_t>(extra->stride));
    return *this;
}

bool Image::Load(const char* name) {
    return extra->ReadBmp(name) || extra->ReadWindowsBitmap(name) || extra->ReadTga(name) ||
           extra->ReadOlePicture(name);
}

int Image::Width() const {
    return extra->pixels ? extra->width : 0;
}

int Image::Height() const {
    return extra->pixels ? extra->height : 0;
}

int Image::BytesPerPixel() const {
    return BytesPerPixel(extra->format);
}

int Image::BytesPerPixel(PixelFormat format) {
    switch (format) {
    case PixelFormat::RGB:
    case PixelFormat::BGR:
        return 3;
    case PixelFormat::RGBA:
    case PixelFormat::BGRA:
        return 4;
    case PixelFormat::LUMINANCE:
    case PixelFormat::ALPHA:
        return 1;
    case PixelFormat::LUMINANCE_ALPHA:
        return 2;
    }
    return 0;
}

std::uint8_t* Image::Row(int i) const {
    if (i < 0 || i >= Height())
        return nullptr;
    return extra->pixels + static_cast<std::ptrdiff_t>(i) * extra->stride;
}

void Image::Clear() {
    extra->Clear();
}

// Rows are swapped in place, padding and all: nothing is allocated, so nothing can fail.
void Image::FlipVertical() {
    const size_t stride = static_cast<size_t>(extra->stride);
    for (int low = 0, high = Height() - 1; low < high; ++low, --high)
        std::swap_ranges(Row(low), Row(low) + stride, Row(high));
}

ImageExtra::~ImageExtra() {
    delete[] pixels;
}

void ImageExtra::Clear() {
    delete[] pixels;
    pixels = nullptr;
    format = PixelFormat::RGB;
    width = height = size = capacity = rowBytes = stride = 0;
}

bool ImageExtra::Allocate(int newWidth, int newHeight, PixelFormat newFormat, int padding) {
    Clear();
    if (newWidth < 1 || newHeight < 1)
        return newWidth == 0 || newHeight == 0;
    // Sizes come from files: a byte count past the budget is refused, never wrapped.
    const long long bytes = Image::BytesPerPixel(newFormat);
    const long long newRowBytes = newWidth * bytes;
    const long long newStride = newRowBytes + padding;
    constexpr long long kBudget = static_cast<long long>(kMaxPictureBytes);
    if (padding < 0 || newStride > kBudget || newStride * newHeight > kBudget)
        return false;
    const long long newSize = newStride * newHeight;
    auto* store = new (std::nothrow) std::uint8_t[static_cast<size_t>(newSize)];
    if (!store)
        return false;
    pixels = store;
    stride = static_cast<int>(newStride);
    rowBytes = static_cast<int>(newRowBytes);
    size = capacity = static_cast<int>(newSize);
    width = newWidth;
    format = newFormat;
    height = newHeight;
    return true;
}

void ImageExtra::Swap(ImageExtra& other) {
    std::swap(format, other.format);
    std::swap(pixels, other.pixels);
    std::swap(width, other.width);
    std::swap(height, other.height);
    std::swap(size, other.size);
    std::swap(capacity, other.capacity);
    std::swap(rowBytes, other.rowBytes);
    std::swap(stride, other.stride);
}
