// The picture loader's pieces: decoders, each reading a whole file from memory, and the
// decoded picture behind the IPicture interface.
#pragma once

#include "platform/core/Gdi.h"

#include <cstdint>
#include <memory>
#include <string>

namespace win32 {

// The longest side a decoded picture may have; its pixels must also fit kMaxPictureBytes.
constexpr int kMaxPictureSide = 65535;

// Whether a picture of this size may be decoded: both sides positive and within the limits.
bool PictureSizeAllowed(long long width, long long height);

// A decoded picture: red, green, blue and alpha, 8 bits each, top row first, `pitch` bytes from
// one row to the next. The pixels live in `store`, which frees them the way they were made.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    int pitch = 0;
    std::uint8_t* pixels = nullptr;
    std::unique_ptr<void, void (*)(void*)> store{nullptr, nullptr};

    std::uint8_t* Row(long long y) const { return pixels + y * pitch; }
};

// A zeroed picture of rows of width * 4 bytes, or null when the size is not allowed or memory
// ran out.
std::unique_ptr<RgbaPicture> NewRgbaPicture(long long width, long long height);

// A new picture object holding `rgba`, with one reference, asked for through `iid`. Fails like
// QueryInterface.
HRESULT NewPicture(std::unique_ptr<RgbaPicture> rgba, SHORT type, REFIID iid, void** object);

// Decoders of whole files, each giving a picture or null when the file is damaged or too large.
// Their work is bounded by the file's size and the pixel count.
using PictureDecoder = std::unique_ptr<RgbaPicture> (*)(const std::uint8_t* data, size_t size);
// The first image of a GIF file on its logical screen.
std::unique_ptr<RgbaPicture> DecodeGif(const std::uint8_t* data, size_t size);
// One image of an icon or cursor file, transparent where its mask says so.
std::unique_ptr<RgbaPicture> DecodeIcon(const std::uint8_t* data, size_t size);
// Over libpng and libjpeg (platform/codecs/), for the backends that link them.
std::unique_ptr<RgbaPicture> DecodePng(const std::uint8_t* data, size_t size);
std::unique_ptr<RgbaPicture> DecodeJpeg(const std::uint8_t* data, size_t size);

// The decoders a backend links beside the core's own; null for a format it refuses.
struct PictureCodecs {
    PictureDecoder png = nullptr;
    PictureDecoder jpeg = nullptr;
};

// HIMETRIC units for a length in pixels at 96 pixels per inch.
inline LONG HimetricFromPixels(int pixels) {
    return MulDiv(pixels, 2540, 96);
}

} // namespace win32
