#include "terrain/ColourRamp.h"

namespace {
const char* const rampFile = "1DTexture_Moon.bmp";
// 1/255 in double precision.
const double byteScale = 0.00392156862745098;
} // namespace

ColourRamp::ColourRamp() : ColourRamp(rampFile) {}

ColourRamp::ColourRamp(const char* fileName) {
    image.Load(fileName);
    // The row is read as blue, green, red; grey or alpha pictures are turned into that first.
    if (!image.ConvertTo(PixelFormat::BGR) || image.BytesPerPixel() != 3)
        return;
    const unsigned char* row = image.Row(0);
    if (row == nullptr)
        return;
    count = image.Width();
    colours.resize(count);
    for (int i = 0; i < count; ++i) {
        const unsigned char* pixel = row + 3 * i;
        colours[i] =
            Rgba(static_cast<float>(pixel[2] * byteScale), static_cast<float>(pixel[1] * byteScale),
                 static_cast<float>(pixel[0] * byteScale), 1.0f);
    }
}

void ColourRamp::Widen(double h) {
    if (h < minHeight)
        minHeight = h;
    else if (h > maxHeight)
        maxHeight = h;
}

Rgba ColourRamp::Lookup(double h) const {
    if (count == 0)
        return Rgba::OpaqueWhite();
    double range = maxHeight - minHeight;
    if (!(range > 0.0))
        return colours[0];
    double scaled = ((count - 1.0) / range) * (h - minHeight);
    // Truncation toward zero, refusing anything that would not index the table.
    if (!(scaled > -1.0 && scaled < count))
        return colours[0];
    return colours[static_cast<int>(scaled)];
}
