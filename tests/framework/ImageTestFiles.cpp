#include "ImageTestFiles.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

void ScratchTest::SetUp() {
    previous = std::filesystem::current_path();
    char name[] = "/tmp/moonhop-image-test-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder = name;
    std::filesystem::current_path(folder);
}

void ScratchTest::TearDown() {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

void WriteFile(const std::string& name, const Bytes& bytes) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr) << name;
    if (!bytes.empty()) {
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    }
    ASSERT_EQ(std::fclose(file), 0);
}

void Put16(Bytes& bytes, size_t at, std::uint16_t value) {
    bytes[at] = value & 0xFF;
    bytes[at + 1] = value >> 8;
}

void Put32(Bytes& bytes, size_t at, std::uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

Bytes Bmp(std::int32_t width, std::int32_t height, int bits, const Bytes& palette,
          const Bytes& data, std::uint32_t compression) {
    Bytes file(54, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(54 + palette.size() + data.size()));
    Put32(file, kDataOffset, static_cast<std::uint32_t>(54 + palette.size()));
    Put32(file, 14, 40);
    Put32(file, kWidth, static_cast<std::uint32_t>(width));
    Put32(file, kHeight, static_cast<std::uint32_t>(height));
    Put16(file, kPlanes, 1);
    Put16(file, kBits, static_cast<std::uint16_t>(bits));
    Put32(file, kCompression, compression);
    Put32(file, kImageSize, static_cast<std::uint32_t>(data.size()));
    Put32(file, kColoursUsed, static_cast<std::uint32_t>(palette.size() / 4));
    file.insert(file.end(), palette.begin(), palette.end());
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

Bytes GreyPalette(int n) {
    Bytes palette;
    for (int i = 0; i < n; ++i)
        palette.insert(palette.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                                       static_cast<std::uint8_t>(i), 0});
    return palette;
}

Bytes Tga(int type, int width, int height, int bits, int descriptor, const Bytes& data,
          bool footer) {
    Bytes file(18, 0);
    file[2] = static_cast<std::uint8_t>(type);
    Put16(file, 12, static_cast<std::uint16_t>(width));
    Put16(file, 14, static_cast<std::uint16_t>(height));
    file[16] = static_cast<std::uint8_t>(bits);
    file[17] = static_cast<std::uint8_t>(descriptor);
    file.insert(file.end(), data.begin(), data.end());
    if (footer) {
        const char tail[] = "\0\0\0\0\0\0\0\0TRUEVISION-XFILE.";
        file.insert(file.end(), tail, tail + sizeof tail); // with its terminating zero
    }
    return file;
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
