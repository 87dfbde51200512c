// The TGA reader on arbitrary bytes, under a TGA name (odd sizes) or another one, where only
// the footer's signature lets a file in.
#include "FuzzFile.h"

#include "framework/Image.h"
#include "framework/ImageExtra.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const char* name = size % 2 ? "input.tga" : "input.bin";
    WriteInput(name, data, size);
    Image image;
    image.extra->ReadTga(name);
    return 0;
}
