#include "tests/harness/PictureDifference.h"

#include <algorithm>
#include <cstdlib>

PictureDifference ComparePictures(const Picture& a, const Picture& b, int tolerance,
                                  Picture* map) {
    PictureDifference d;
    d.sameSize = a.width == b.width && a.height == b.height && a.rgb.size() == b.rgb.size();
    if (!d.sameSize || a.rgb.empty())
        return d;
    const int w = a.width, h = a.height;
    std::vector<unsigned char> beyond(static_cast<size_t>(w) * h, 0);
    if (map)
        *map = a;
    long agreeing = 0;
    for (size_t p = 0; p < beyond.size(); ++p) {
        int most = 0;
        for (int c = 0; c < 3; ++c)
            most = std::max(most, std::abs(a.rgb[p * 3 + c] - b.rgb[p * 3 + c]));
        d.worst = std::max(d.worst, most);
        beyond[p] = most > tolerance;
        agreeing += !beyond[p];
        if (map) {
            const int grey = std::min(255, most * 20);
            map->rgb[p * 3] = static_cast<unsigned char>(beyond[p] ? 255 : grey);
            map->rgb[p * 3 + 1] = static_cast<unsigned char>(beyond[p] ? 0 : grey);
            map->rgb[p * 3 + 2] = static_cast<unsigned char>(beyond[p] ? 0 : grey);
        }
    }
    d.agreeing = static_cast<double>(agreeing) / static_cast<double>(beyond.size());
    // Patches by flood fill; a visited pixel is cleared.
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (!beyond[static_cast<size_t>(start)])
            continue;
        int size = 0;
        beyond[static_cast<size_t>(start)] = 0;
        stack.push_back(start);
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            ++size;
            const int x = p % w, y = p / w;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                        continue;
                    const size_t n = static_cast<size_t>(ny) * w + nx;
                    if (beyond[n]) {
                        beyond[n] = 0;
                        stack.push_back(static_cast<int>(n));
                    }
                }
        }
        d.largestPatch = std::max(d.largestPatch, size);
    }
    return d;
}
