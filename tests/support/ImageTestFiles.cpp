#include "tests/support/ImageTestFiles.h"

#include "tests/support/ScratchFolder.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void ScratchTest::SetUp() {
    previous = std::filesystem::current_path();
    std::string name;
    ASSERT_TRUE(MakeScratchFolder("moonhop-image-test-", name));
    folder = name;
    std::filesystem::current_path(folder);
}

void ScratchTest::TearDown() {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

void WriteFile(const std::string& name, const Bytes& bytes) {
    ASSERT_TRUE(WriteBytes(name, bytes)) << name;
}

Bytes RowBytes(const Image& image, int i) {
    const std::uint8_t* row = image.Row(i);
    return row ? Bytes(row, row + image.Width() * image.BytesPerPixel()) : Bytes();
}

void Fill(Image& image, int width, int height, PixelFormat format) {
    ASSERT_TRUE(image.extra->Allocate(width, height, format, 0));
    for (int i = 0; i < image.extra->size; ++i)
        image.extra->pixels[i] = static_cast<std::uint8_t>(i);
}

namespace {
void Append32BigEndian(Bytes& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t Crc32(const std::uint8_t* data, size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void AppendChunk(Bytes& file, const char* type, const Bytes& data) {
    Append32BigEndian(file, static_cast<std::uint32_t>(data.size()));
    const size_t start = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    Append32BigEndian(file, Crc32(file.data() + start, file.size() - start));
}

// A zlib stream of stored blocks.
Bytes Stored(const Bytes& raw) {
    Bytes zlib = {0x78, 0x01};
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    size_t at = 0;
    do {
        const size_t n = std::min<size_t>(raw.size() - at, 65535);
        zlib.push_back(at + n == raw.size() ? 1 : 0);
        zlib.insert(zlib.end(),
                    {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                     static_cast<std::uint8_t>(~n), static_cast<std::uint8_t>(~n >> 8)});
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                    raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    Append32BigEndian(zlib, (b << 16) | a);
    return zlib;
}
} // namespace

Bytes PngFile(int width, int height, int depth, int colourType, bool interlaced, const Bytes& raw,
              const std::vector<PngChunk>& chunks) {
    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    Append32BigEndian(header, static_cast<std::uint32_t>(width));
    Append32BigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(),
                  {static_cast<std::uint8_t>(depth), static_cast<std::uint8_t>(colourType), 0, 0,
                   static_cast<std::uint8_t>(interlaced)});
    AppendChunk(file, "IHDR", header);
    for (const PngChunk& chunk : chunks)
        AppendChunk(file, chunk.type, chunk.data);
    AppendChunk(file, "IDAT", Stored(raw));
    AppendChunk(file, "IEND", {});
    return file;
}

Bytes PngScanlines(int width, int height, int bytesPerPixel, const Bytes& pixels, bool interlaced) {
    struct Pass {
        int x, y, dx, dy;
    };
    static const Pass kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                  {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    const Pass whole[] = {{0, 0, 1, 1}};
    Bytes raw;
    for (const Pass& pass :
         interlaced ? std::vector<Pass>(kAdam7, kAdam7 + 7) : std::vector<Pass>(whole, whole + 1)) {
        if (pass.x >= width)
            continue;
        for (int y = pass.y; y < height; y += pass.dy) {
            raw.push_back(0);
            for (int x = pass.x; x < width; x += pass.dx) {
                const auto at =
                    pixels.begin() + (static_cast<std::ptrdiff_t>(y) * width + x) * bytesPerPixel;
                raw.insert(raw.end(), at, at + bytesPerPixel);
            }
        }
    }
    return raw;
}

Bytes Png(int width, int height, const Bytes& rgba) {
    return PngFile(width, height, 8, 6, false, PngScanlines(width, height, 4, rgba));
}

namespace {
// Writes Huffman-coded bits most significant first, stuffing a zero after each 0xFF.
struct BitWriter {
    Bytes& out;
    std::uint32_t buffer = 0;
    int count = 0;
    void Put(std::uint32_t bits, int n) {
        for (int i = n - 1; i >= 0; --i) {
            buffer = (buffer << 1) | ((bits >> i) & 1u);
            if (++count == 8) {
                out.push_back(static_cast<std::uint8_t>(buffer));
                if (buffer == 0xFF)
                    out.push_back(0);
                buffer = 0;
                count = 0;
            }
        }
    }
    void Flush() {
        while (count != 0)
            Put(1, 1);
    }
};

void Marker(Bytes& file, std::uint8_t marker, const Bytes& data) {
    file.insert(file.end(), {0xFF, marker, static_cast<std::uint8_t>((data.size() + 2) >> 8),
                             static_cast<std::uint8_t>(data.size() + 2)});
    file.insert(file.end(), data.begin(), data.end());
}
} // namespace

Bytes BlockJpeg(int width, int height, const Bytes& pixels, JpegShape shape) {
    const int n = shape.components;
    const auto size = [](int value) {
        return Bytes{static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
    };
    Bytes file = {0xFF, 0xD8};
    if (n == 4) // Adobe's marker, transform 0: the components are CMYK as they stand
        Marker(file, 0xEE, {'A', 'd', 'o', 'b', 'e', 0, 100, 0, 0, 0, 0, 0});
    Marker(file, 0xDB, [] {
        Bytes table(65, 1); // every coefficient quantised by 1
        table[0] = 0;
        return table;
    }());
    Bytes frame = {8};
    for (int value : {height, width})
        for (std::uint8_t byte : size(value))
            frame.push_back(byte);
    frame.push_back(static_cast<std::uint8_t>(n));
    for (int c = 1; c <= n; ++c)
        frame.insert(frame.end(), {static_cast<std::uint8_t>(c), 0x11, 0});
    Marker(file, shape.progressive ? 0xC2 : 0xC0, frame);
    // DC: categories 0-11 as 4-bit codes equal to the category. AC: end of block only, code 0.
    Bytes dc = {0x00, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (std::uint8_t c = 0; c < 12; ++c)
        dc.push_back(c);
    Marker(file, 0xC4, dc);
    Marker(file, 0xC4, {0x10, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    // Each pixel's component values: luma, YCbCr, or the bytes as given.
    const auto component = [&](const std::uint8_t* p, int c) {
        if (n == 4)
            return static_cast<double>(p[c]);
        const double y = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
        return c == 0   ? y
               : c == 1 ? -0.168736 * p[0] - 0.331264 * p[1] + 0.5 * p[2] + 128
                        : 0.5 * p[0] - 0.418688 * p[1] - 0.081312 * p[2] + 128;
    };
    Bytes scan = {static_cast<std::uint8_t>(n)};
    for (int c = 1; c <= n; ++c)
        scan.insert(scan.end(), {static_cast<std::uint8_t>(c), 0x00});
    // A progressive file's one scan holds the DC coefficients only.
    scan.insert(scan.end(), {0, static_cast<std::uint8_t>(shape.progressive ? 0 : 63), 0});
    Bytes data;
    BitWriter bits{data};
    int previous[4] = {0, 0, 0, 0};
    for (int by = 0; by < height; by += 8)
        for (int bx = 0; bx < width; bx += 8) {
            double sum[4] = {0, 0, 0, 0};
            int count = 0;
            for (int y = by; y < std::min(by + 8, height); ++y)
                for (int x = bx; x < std::min(bx + 8, width); ++x, ++count)
                    for (int c = 0; c < n; ++c)
                        sum[c] += component(&pixels[(static_cast<size_t>(y) * width + x) * 4], c);
            for (int c = 0; c < n; ++c) {
                const int value = static_cast<int>(std::lround(8 * (sum[c] / count - 128)));
                const int diff = value - previous[c];
                previous[c] = value;
                int category = 0;
                while ((std::abs(diff) >> category) != 0)
                    ++category;
                bits.Put(static_cast<std::uint32_t>(category), 4);
                if (category > 0)
                    bits.Put(
                        static_cast<std::uint32_t>(diff >= 0 ? diff : diff + (1 << category) - 1),
                        category);
                if (!shape.progressive)
                    bits.Put(0, 1); // end of block
            }
        }
    bits.Flush();
    for (int i = 0; i < (shape.progressive ? shape.dcScans : 1); ++i) {
        Marker(file, 0xDA, scan);
        file.insert(file.end(), data.begin(), data.end());
    }
    // In progressive files, the rest of each block: code 0 ends it at once.
    const int blocks = (width + 7) / 8 * ((height + 7) / 8);
    for (int c = 1; shape.progressive && c <= n; ++c) {
        Marker(file, 0xDA, {1, static_cast<std::uint8_t>(c), 0x00, 1, 63, 0});
        BitWriter ends{file};
        for (int i = 0; i < blocks; ++i)
            ends.Put(0, 1);
        ends.Flush();
    }
    file.insert(file.end(), {0xFF, 0xD9});
    return file;
}

Bytes IconFile(int kind, const std::vector<IconImage>& images) {
    Bytes file(6, 0);
    Put16(file, 2, static_cast<std::uint16_t>(kind));
    Put16(file, 4, static_cast<std::uint16_t>(images.size()));
    size_t offset = 6 + 16 * images.size();
    Bytes bodies;
    for (const IconImage& image : images) {
        Bytes entry(16, 0);
        entry[0] = static_cast<std::uint8_t>(image.width);
        entry[1] = static_cast<std::uint8_t>(image.height);
        entry[2] = static_cast<std::uint8_t>(image.colours);
        if (kind == 1) { // planes and bits; a cursor has its hot spot there
            const bool bitmap = image.data.size() >= 16 && image.data[0] == 40;
            Put16(entry, 4, 1);
            Put16(entry, 6, bitmap ? static_cast<std::uint16_t>(image.data[14]) : 32);
        }
        Put32(entry, 8, static_cast<std::uint32_t>(image.data.size()));
        Put32(entry, 12, static_cast<std::uint32_t>(offset + bodies.size()));
        file.insert(file.end(), entry.begin(), entry.end());
        bodies.insert(bodies.end(), image.data.begin(), image.data.end());
    }
    file.insert(file.end(), bodies.begin(), bodies.end());
    return file;
}

Bytes IconBitmap(int width, int height, int bits, const Bytes& palette, const Bytes& rows,
                 const Bytes& mask) {
    Bytes image =
        BmpInfo(width, 2 * height, bits, 0, static_cast<std::uint32_t>(palette.size() / 4));
    for (const Bytes* part : {&palette, &rows, &mask})
        image.insert(image.end(), part->begin(), part->end());
    return image;
}

namespace {
struct DataFileBytes {
    const char* name;
    Bytes bytes;
};
} // namespace

Bytes DataFile(const std::string& name) {
    static const DataFileBytes kFiles[] = {
#include "TestData.inc"
    };
    for (const DataFileBytes& file : kFiles)
        if (name == file.name)
            return file.bytes;
    ADD_FAILURE() << "no file " << name << " in tests/data";
    return {};
}
