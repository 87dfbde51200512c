// The OLE picture loader: bitmaps, JPEG, PNG, GIF, icons and cursors, told apart by their first
// bytes. Each goes only to its own decoder; files of any other kind are not pictures here.
#include "platform/sdl/BitFieldBitmap.h"
#include "platform/sdl/PictureInternal.h"

#include <cstring>
#include <vector>

using namespace win32sdl;

namespace {

enum class Format { Unknown, Bitmap, Jpeg, Png, Gif, Icon, Cursor };

Format Sniff(SDL_RWops* file) {
    std::uint8_t head[8] = {};
    const size_t got = SDL_RWread(file, head, 1, sizeof head);
    SDL_RWseek(file, 0, RW_SEEK_SET);
    const auto starts = [&](const char* magic, size_t length) {
        return got >= length && std::memcmp(head, magic, length) == 0;
    };
    if (starts("BM", 2))
        return Format::Bitmap;
    if (starts("\xFF\xD8\xFF", 3))
        return Format::Jpeg;
    if (starts("\x89PNG\r\n\x1A\n", 8))
        return Format::Png;
    if (starts("GIF87a", 6) || starts("GIF89a", 6))
        return Format::Gif;
    if (starts("\0\0\1\0", 4))
        return Format::Icon;
    if (starts("\0\0\2\0", 4))
        return Format::Cursor;
    return Format::Unknown;
}

// The whole file, or nothing when it is larger than any picture we take.
std::vector<std::uint8_t> ReadAll(SDL_RWops* file) {
    const Sint64 size = SDL_RWsize(file);
    std::vector<std::uint8_t> bytes;
    if (size <= 0 || static_cast<Uint64>(size) > kMaxPictureBytes)
        return bytes;
    bytes.resize(static_cast<size_t>(size));
    bytes.resize(SDL_RWread(file, bytes.data(), 1, bytes.size()));
    return bytes;
}

// Bit-field bitmaps through our own decoder, as the bitmap loader reads them.
SDL_Surface* DecodeBitFields(const std::string& path, const BitmapFileHeader& header) {
    Dib24 dib;
    if (!DecodeBitFieldBitmap(path, header, dib))
        return nullptr;
    SDL_Surface* rgba = NewRgbaSurface(dib.width, dib.height);
    for (int y = 0; rgba && y < dib.height; ++y) {
        const std::uint8_t* from =
            dib.bits.get() + static_cast<size_t>(dib.height - 1 - y) * dib.stride;
        auto* to = static_cast<std::uint8_t*>(rgba->pixels) + static_cast<size_t>(y) * rgba->pitch;
        for (int x = 0; x < dib.width; ++x, from += 3, to += 4) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = 255;
        }
    }
    return rgba;
}

SDL_Surface* DecodeBitmap(SDL_RWops* file, const std::string& path) {
    BitmapFileHeader header;
    if (!ReadBitmapFileHeader(path, header) || !BitmapFitsBudget(header))
        return nullptr;
    if (IsBitFieldBitmap(header))
        return DecodeBitFields(path, header);
    const DecodeLimit limit;
    SDL_Surface* loaded = SDL_LoadBMP_RW(file, 0);
    if (!loaded)
        return nullptr;
    SDL_SetSurfaceBlendMode(loaded, SDL_BLENDMODE_NONE);
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(loaded);
    return rgba;
}

SDL_Surface* Decode(SDL_RWops* file, const std::string& path, Format format) {
    if (format == Format::Bitmap)
        return DecodeBitmap(file, path);
    SDL_Surface* (*decode)(const std::uint8_t*, size_t) = nullptr;
    switch (format) {
    case Format::Jpeg:
        decode = DecodeJpeg;
        break;
    case Format::Png:
        decode = DecodePng;
        break;
    case Format::Gif:
        decode = DecodeGif;
        break;
    case Format::Icon:
    case Format::Cursor:
        decode = DecodeIcon;
        break;
    default:
        return nullptr;
    }
    const std::vector<std::uint8_t> bytes = ReadAll(file);
    return bytes.empty() ? nullptr : decode(bytes.data(), bytes.size());
}

} // namespace

HRESULT OleLoadPicturePath(LPOLESTR path, LPUNKNOWN, DWORD, OLE_COLOR, REFIID iid, LPVOID* object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!path)
        return E_INVALIDARG;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IPictureDisp) &&
        !IsEqualIID(iid, IID_IPicture))
        return E_NOINTERFACE;
    const std::string local = NarrowPath(path);
    // As on Windows, only a full path names a file; anything else is taken for a URL.
    if (local.empty() || local[0] != '/')
        return MK_E_SYNTAX;
    SDL_RWops* file = SDL_RWFromFile(local.c_str(), "rb");
    if (!file)
        return STG_E_FILENOTFOUND;
    const Format format = Sniff(file);
    SDL_Surface* rgba = Decode(file, local, format);
    SDL_RWclose(file);
    if (!rgba)
        return CTL_E_INVALIDPICTURE;
    const bool icon = format == Format::Icon || format == Format::Cursor;
    return NewPicture(rgba, icon ? PICTYPE_ICON : PICTYPE_BITMAP, iid, object);
}
