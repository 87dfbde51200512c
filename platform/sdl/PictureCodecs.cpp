// The picture decoders the SDL backend links beside the core's own: PNG through libpng and
// JPEG through libjpeg.
#include "platform/core/Pictures.h"

namespace win32 {

const PictureCodecs& LinkedPictureCodecs() {
    static const PictureCodecs codecs{DecodePng, DecodeJpeg};
    return codecs;
}

} // namespace win32
