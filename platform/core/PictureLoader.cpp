// The OLE picture loader: bitmaps, JPEG, PNG, GIF, icons and cursors, told apart by their first
// bytes. Each goes only to its own decoder; files of any other kind are not pictures here.
#include "platform/core/BitFieldBitmap.h"
#include "platform/core/InputFile.h"
#include "platform/core/Pictures.h"

#include <cstdio>
#include <cstring>
#include <vector>

using namespace win32;

namespace {

enum class Format { Unknown, Bitmap, Jpeg, Png, Gif, Icon, Cursor };

Format Sniff(std::FILE* file) {
    std::uint8_t head[8] = {};
    const size_t got = std::fread(head, 1, sizeof head, file);
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
std::vector<std::uint8_t> ReadAll(std::FILE* file) {
    std::vector<std::uint8_t> bytes;
    if (std::fseek(file, 0, SEEK_END) != 0)
        return bytes;
    const long size = std::ftell(file);
    if (size <= 0 || static_cast<unsigned long>(size) > kMaxPictureBytes ||
        std::fseek(file, 0, SEEK_SET) != 0)
        return bytes;
    bytes.resize(static_cast<size_t>(size));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    return bytes;
}

// Bit-field bitmaps through our own decoder, as the bitmap loader reads them.
std::unique_ptr<RgbaPicture> DecodeBitFields(const std::string& path,
                                             const BitmapFileHeader& header) {
    Dib24 dib;
    if (!DecodeBitFieldBitmap(path, header, dib))
        return nullptr;
    std::unique_ptr<RgbaPicture> rgba = NewRgbaPicture(dib.width, dib.height);
    for (int y = 0; rgba && y < dib.height; ++y) {
        const std::uint8_t* from =
            dib.bits.get() + static_cast<size_t>(dib.height - 1 - y) * dib.stride;
        std::uint8_t* to = rgba->Row(y);
        for (int x = 0; x < dib.width; ++x, from += 3, to += 4) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = 255;
        }
    }
    return rgba;
}

// Bitmap files: past the budget refused, bit-field ones ours, the others the backend's.
std::unique_ptr<RgbaPicture> DecodeBitmapWithinBudget(const std::string& path) {
    BitmapFileHeader header;
    if (!ReadBitmapFileHeader(path, header) || !BitmapFitsBudget(header))
        return nullptr;
    if (IsBitFieldBitmap(header))
        return DecodeBitFields(path, header);
    return DecodeBitmapFile(path);
}

std::unique_ptr<RgbaPicture> Decode(std::FILE* file, const std::string& path, Format format) {
    if (format == Format::Bitmap)
        return DecodeBitmapWithinBudget(path);
    PictureDecoder decode = nullptr;
    switch (format) {
    case Format::Jpeg:
        decode = LinkedPictureCodecs().jpeg;
        break;
    case Format::Png:
        decode = LinkedPictureCodecs().png;
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
    if (!decode)
        return nullptr; // a format the backend does not read
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
    std::unique_ptr<RgbaPicture> rgba;
    Format format = Format::Unknown;
    {
        const InputFile file(local);
        if (!file.file)
            return STG_E_FILENOTFOUND;
        format = Sniff(file.file);
        rgba = Decode(file.file, local, format);
    }
    if (!rgba)
        return CTL_E_INVALIDPICTURE;
    const bool icon = format == Format::Icon || format == Format::Cursor;
    return NewPicture(std::move(rgba), icon ? PICTYPE_ICON : PICTYPE_BITMAP, iid, object);
}
