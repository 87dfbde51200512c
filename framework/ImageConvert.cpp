// Conversion between the seven pixel formats. Each pair of formats gets its own row loop, so
// the per-pixel work is only the byte moves that pair needs.
#include "framework/Image.h"
#include "framework/ImageExtra.h"

#include <cstdint>
#include <utility>

namespace {

using F = PixelFormat;

// The working pixel: colour, alpha and grey of one source pixel.
struct Pixel {
    std::uint8_t r, g, b, a, l;
};

constexpr bool IsColour(F f) {
    return f == F::RGB || f == F::RGBA || f == F::BGR || f == F::BGRA;
}
constexpr bool HasAlpha(F f) {
    return f == F::RGBA || f == F::BGRA || f == F::LUMINANCE_ALPHA;
}

// Grey of a colour. The weights and the half are single-precision constants; the sum is
// formed in extended precision before it is truncated.
inline std::uint8_t Grey(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    const long double y = static_cast<long double>(r) * 0.3f + static_cast<long double>(g) * 0.6f +
                          static_cast<long double>(b) * 0.1f + 0.5f;
    return static_cast<std::uint8_t>(static_cast<int>(y));
}

template <F S> inline Pixel Load(const std::uint8_t* p) {
    if constexpr (S == F::RGB)
        return {p[0], p[1], p[2], 255, 0};
    else if constexpr (S == F::RGBA)
        return {p[0], p[1], p[2], p[3], 0};
    else if constexpr (S == F::BGR)
        return {p[2], p[1], p[0], 255, 0};
    else if constexpr (S == F::BGRA)
        return {p[2], p[1], p[0], p[3], 0};
    else if constexpr (S == F::LUMINANCE)
        return {p[0], p[0], p[0], 255, p[0]};
    else if constexpr (S == F::LUMINANCE_ALPHA)
        return {p[0], p[0], p[0], p[1], p[0]};
    else // an alpha byte stands for every channel
        return {p[0], p[0], p[0], p[0], p[0]};
}

template <F S> inline std::uint8_t GreyOf(const Pixel& px) {
    if constexpr (IsColour(S))
        return Grey(px.r, px.g, px.b);
    else
        return px.l;
}

template <F S, F T> inline void Store(const Pixel& px, std::uint8_t* q) {
    if constexpr (T == F::RGB) {
        q[0] = px.r, q[1] = px.g, q[2] = px.b;
    } else if constexpr (T == F::RGBA) {
        q[0] = px.r, q[1] = px.g, q[2] = px.b, q[3] = px.a;
    } else if constexpr (T == F::BGR) {
        q[0] = px.b, q[1] = px.g, q[2] = px.r;
    } else if constexpr (T == F::BGRA) {
        q[0] = px.b, q[1] = px.g, q[2] = px.r, q[3] = px.a;
    } else if constexpr (T == F::LUMINANCE) {
        q[0] = GreyOf<S>(px);
    } else if constexpr (T == F::LUMINANCE_ALPHA) {
        q[0] = S == F::ALPHA ? 0 : GreyOf<S>(px);
        q[1] = px.a;
    } else {
        q[0] = HasAlpha(S) ? px.a : GreyOf<S>(px);
    }
}

template <F S, F T> void ConvertRow(const std::uint8_t* from, std::uint8_t* to, int width) {
    constexpr int sourceBytes = S == F::RGB || S == F::BGR     ? 3
                                : S == F::RGBA || S == F::BGRA ? 4
                                : S == F::LUMINANCE_ALPHA      ? 2
                                                               : 1;
    constexpr int targetBytes = T == F::RGB || T == F::BGR     ? 3
                                : T == F::RGBA || T == F::BGRA ? 4
                                : T == F::LUMINANCE_ALPHA      ? 2
                                                               : 1;
    for (int x = 0; x < width; ++x, from += sourceBytes, to += targetBytes)
        Store<S, T>(Load<S>(from), to);
}

using RowConverter = void (*)(const std::uint8_t*, std::uint8_t*, int);

template <F S, std::int32_t... T>
constexpr void FillRow(RowConverter* row, std::integer_sequence<std::int32_t, T...>) {
    ((row[T] = &ConvertRow<S, static_cast<F>(T)>), ...);
}

template <std::int32_t... S> struct Table {
    RowConverter rows[sizeof...(S)][sizeof...(S)] = {};
    constexpr Table() {
        (FillRow<static_cast<F>(S)>(rows[S], std::integer_sequence<std::int32_t, S...>{}), ...);
    }
};

constexpr Table<0, 1, 2, 3, 4, 5, 6> kConverters;

bool Known(F f) {
    return static_cast<std::int32_t>(f) >= 0 && static_cast<std::int32_t>(f) <= 6;
}

} // namespace

bool Image::ConvertTo(PixelFormat target) {
    const PixelFormat source = extra->format;
    if (target == source)
        return true;
    Image work;
    if (!work.extra->Allocate(Width(), Height(), target, 0))
        return false;
    if (!Known(source) || !Known(target))
        return false;
    const RowConverter convert =
        kConverters.rows[static_cast<std::int32_t>(source)][static_cast<std::int32_t>(target)];
    for (int i = 0; i < Height(); ++i)
        convert(Row(i), work.Row(i), Width());
    // The working store becomes this image's: no second copy that could fail half way.
    extra->Swap(*work.extra);
    return true;
}
