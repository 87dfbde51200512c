// For a backend that links no picture decoder of its own (the browser's): only the core's
// decoders (bit-field bitmaps, GIF, icons and cursors) read pictures. Other bitmap files, PNG
// and JPEG are refused as damaged files are; the framework reads the uncompressed 8- and 24-bit
// bitmaps and TGA files itself.
#include "platform/core/Pictures.h"

namespace win32 {

std::unique_ptr<Bitmap> LoadBitmapFile(const std::string&) {
    return nullptr;
}

std::unique_ptr<RgbaPicture> DecodeBitmapFile(const std::string&) {
    return nullptr;
}

const PictureCodecs& LinkedPictureCodecs() {
    static const PictureCodecs none;
    return none;
}

} // namespace win32
