#include "tests/harness/PictureCompare.h"

#include <algorithm>
#include <cstdlib>

Closeness Compare(const Picture& a, const Picture& b, int tolerance, Picture* difference) {
    Closeness c;
    c.sameSize = a.width == b.width && a.height == b.height && a.rgb.size() == b.rgb.size();
    if (!c.sameSize)
        return c;
    if (difference) {
        *difference = a;
        difference->rgb.assign(a.rgb.size(), 0);
    }
    size_t within = 0;
    const size_t pixels = a.rgb.size() / 3;
    for (size_t p = 0; p < pixels; ++p) {
        const unsigned char* x = &a.rgb[p * 3];
        const unsigned char* y = &b.rgb[p * 3];
        int worst = 0;
        for (int k = 0; k < 3; ++k)
            worst = std::max(worst, std::abs(x[k] - y[k]));
        c.largest = std::max(c.largest, worst);
        bool close = worst <= tolerance;
        within += close ? 1 : 0;
        if (difference) {
            unsigned char* out = &difference->rgb[p * 3];
            if (close) {
                // A quarter of the pixel's brightness: the scene stays recognisable.
                auto grey = static_cast<unsigned char>((x[0] * 3 + x[1] * 6 + x[2]) / 40);
                out[0] = out[1] = out[2] = grey;
            } else {
                out[0] = out[2] = 255;
                out[1] = 0;
            }
        }
    }
    c.shareWithin = pixels ? static_cast<double>(within) / pixels : 1.0;
    return c;
}
