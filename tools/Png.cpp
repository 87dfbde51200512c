#include "tools/Png.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::array<std::uint32_t, 256>& CrcTable() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

std::uint32_t Crc(const std::uint8_t* data, size_t size) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i)
        c = CrcTable()[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const Bytes& data) {
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutBig32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig32(out, Crc(out.data() + start, out.size() - start));
}

// A zlib stream of stored (uncompressed) deflate blocks.
Bytes StoredZlib(const Bytes& raw) {
    Bytes out = {0x78, 0x01};
    size_t done = 0;
    do {
        const size_t length = std::min<size_t>(raw.size() - done, 65535);
        const bool last = done + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length));
        out.push_back(static_cast<std::uint8_t>(~length >> 8));
        out.insert(out.end(), raw.begin() + done, raw.begin() + done + length);
        done += length;
    } while (done < raw.size());
    PutBig32(out, Adler32(raw));
    return out;
}

} // namespace

bool WritePng(const std::string& path, const CoveredCanvas& picture) {
    const Canvas& canvas = picture.colour;
    Bytes raw;
    raw.reserve(static_cast<size_t>(canvas.height) * (1 + canvas.width * 4u));
    for (int y = 0; y < canvas.height; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < canvas.width; ++x) {
            const Colour& c = canvas.At(x, y);
            raw.push_back(ColourByte(c.r));
            raw.push_back(ColourByte(c.g));
            raw.push_back(ColourByte(c.b));
            raw.push_back(ColourByte(picture.alpha[static_cast<size_t>(y) * canvas.width + x]));
        }
    }
    Bytes header;
    PutBig32(header, canvas.width);
    PutBig32(header, canvas.height);
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits per channel, RGBA, no interlace

    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", StoredZlib(raw));
    PutChunk(out, "IEND", {});

    return SaveBytes(path, out);
}
