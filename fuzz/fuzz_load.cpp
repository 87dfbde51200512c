// The whole chain of readers, the platform's bitmap and picture loaders included, on
// arbitrary bytes; whatever loads (up to a size that keeps the runs quick) is then converted.
#include "FuzzFile.h"

#include "framework/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const char* name = size % 2 ? "input.tga" : "input.img";
    WriteInput(name, data, size);
    Image image;
    if (image.Load(name) && size > 0 &&
        image.Width() * static_cast<long long>(image.Height()) <= 1 << 20) {
        image.ConvertTo(static_cast<PixelFormat>(data[size - 1] % 8));
        Image copy(image);
        copy.FlipVertical();
    }
    return 0;
}
