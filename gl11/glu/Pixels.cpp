#include "gl11/glu/Pixels.h"

#include <algorithm>
#include <cmath>

namespace gl11 {

namespace {

// Where one new pixel falls along one axis of the old picture: the old pixels it overlaps,
// first to last, and by how much it covers each end.
struct Span {
    int first, last;
    float firstShare, lastShare;
};

Span SpanOf(int index, float scale, int limit) {
    const float start = index * scale;
    const float end = start + scale;
    Span s;
    s.first = static_cast<int>(std::floor(start));
    s.last = std::min(static_cast<int>(std::ceil(end)) - 1, limit - 1);
    s.firstShare = std::min(end, static_cast<float>(s.first + 1)) - start;
    s.lastShare = end - std::max(start, static_cast<float>(s.last));
    return s;
}

float ShareOf(const Span& s, int i) {
    if (i == s.first)
        return s.firstShare;
    if (i == s.last)
        return s.lastShare;
    return 1.0f;
}

} // namespace

Pixels Scaled(const Pixels& from, int width, int height) {
    Pixels to{width, height, from.components, {}};
    to.bytes.resize(static_cast<std::size_t>(width) * height * from.components);
    const float scaleX = static_cast<float>(from.width) / width;
    const float scaleY = static_cast<float>(from.height) / height;
    const float area = scaleX * scaleY;
    const int n = from.components;
    std::vector<float> sum(static_cast<std::size_t>(n));
    for (int y = 0; y < height; ++y) {
        const Span rows = SpanOf(y, scaleY, from.height);
        unsigned char* out = to.Row(y);
        for (int x = 0; x < width; ++x) {
            const Span columns = SpanOf(x, scaleX, from.width);
            std::fill(sum.begin(), sum.end(), 0.0f);
            for (int sy = rows.first; sy <= rows.last; ++sy) {
                const float shareY = ShareOf(rows, sy);
                const unsigned char* in = from.Row(sy);
                for (int sx = columns.first; sx <= columns.last; ++sx) {
                    const float share = ShareOf(columns, sx) * shareY;
                    for (int c = 0; c < n; ++c)
                        sum[c] += in[sx * n + c] * share;
                }
            }
            for (int c = 0; c < n; ++c)
                out[x * n + c] = static_cast<unsigned char>(sum[c] / area);
        }
    }
    return to;
}

Pixels Halved(const Pixels& from) {
    // Along an axis one pixel long there is nothing to average.
    const int stepX = from.width > 1 ? 1 : 0;
    const int stepY = from.height > 1 ? 1 : 0;
    const int count = (stepX + 1) * (stepY + 1);
    const int n = from.components;
    Pixels to{std::max(from.width / 2, 1), std::max(from.height / 2, 1), n, {}};
    to.bytes.resize(static_cast<std::size_t>(to.width) * to.height * n);
    for (int y = 0; y < to.height; ++y) {
        unsigned char* out = to.Row(y);
        for (int x = 0; x < to.width; ++x) {
            for (int c = 0; c < n; ++c) {
                int total = 0;
                for (int dy = 0; dy <= stepY; ++dy)
                    for (int dx = 0; dx <= stepX; ++dx)
                        total += from.Row(2 * y + dy)[(2 * x + dx) * n + c];
                out[x * n + c] = static_cast<unsigned char>((total + (count == 4 ? 2 : 0)) / count);
            }
        }
    }
    return to;
}

} // namespace gl11
