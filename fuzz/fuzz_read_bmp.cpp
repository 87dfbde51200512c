// Our own BMP reader on arbitrary bytes.
#include "FuzzFile.h"

#include "framework/Image.h"
#include "framework/ImageExtra.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    WriteInput("input.bmp", data, size);
    Image image;
    if (image.extra->ReadBmp("input.bmp") && image.Height() > 0)
        image.FlipVertical();
    return 0;
}
