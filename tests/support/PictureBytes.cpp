#include "tests/support/PictureBytes.h"

#include <cstdio>

void Put16(Bytes& bytes, size_t at, std::uint16_t value) {
    bytes[at] = value & 0xFF;
    bytes[at + 1] = value >> 8;
}

void Put32(Bytes& bytes, size_t at, std::uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

bool WriteBytes(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

Bytes BmpInfo(std::int32_t width, std::int32_t height, int bits, std::uint32_t imageSize,
              std::uint32_t coloursUsed, const BmpLayout& layout) {
    Bytes info(static_cast<size_t>(layout.header), 0);
    Put32(info, 0, static_cast<std::uint32_t>(layout.header));
    if (layout.header == 12) {
        Put16(info, 4, static_cast<std::uint16_t>(width));
        Put16(info, 6, static_cast<std::uint16_t>(height));
        Put16(info, 8, 1);
        Put16(info, 10, static_cast<std::uint16_t>(bits));
        return info;
    }
    Put32(info, 4, static_cast<std::uint32_t>(width));
    Put32(info, 8, static_cast<std::uint32_t>(height));
    Put16(info, 12, 1);
    Put16(info, 14, static_cast<std::uint16_t>(bits));
    Put32(info, 16, layout.compression);
    Put32(info, 20, imageSize);
    Put32(info, 32, coloursUsed);
    if (layout.header > 40) {
        for (size_t i = 0; i < layout.masks.size() && 40 + 4 * i + 4 <= info.size(); ++i)
            Put32(info, 40 + 4 * i, layout.masks[i]);
    }
    if (layout.header >= 108)
        Put32(info, 56, 0x73524742); // colour space "sRGB"
    if (layout.header == 124)
        Put32(info, 108, 4); // rendering intent: pictures
    return info;
}

Bytes Bmp(std::int32_t width, std::int32_t height, int bits, const Bytes& palette,
          const Bytes& data, const BmpLayout& layout) {
    const std::uint32_t colours = static_cast<std::uint32_t>(
        layout.coloursUsed >= 0 ? layout.coloursUsed : static_cast<long long>(palette.size() / 4));
    const Bytes info =
        BmpInfo(width, height, bits, static_cast<std::uint32_t>(data.size()), colours, layout);
    Bytes file(14, 0);
    file[0] = 'B';
    file[1] = 'M';
    file.insert(file.end(), info.begin(), info.end());
    if (layout.header == 40)
        for (std::uint32_t mask : layout.masks) {
            file.resize(file.size() + 4);
            Put32(file, file.size() - 4, mask);
        }
    const size_t offset = file.size() + palette.size();
    Put32(file, 2, static_cast<std::uint32_t>(offset + data.size()));
    Put32(file, kDataOffset, static_cast<std::uint32_t>(offset));
    file.insert(file.end(), palette.begin(), palette.end());
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

Bytes Bmp(std::int32_t width, std::int32_t height, int bits, const Bytes& palette,
          const Bytes& data, std::uint32_t compression) {
    BmpLayout layout;
    layout.compression = compression;
    return Bmp(width, height, bits, palette, data, layout);
}

Bytes PadRows(const Bytes& rows, size_t rowBytes) {
    Bytes padded;
    for (size_t at = 0; at < rows.size(); at += rowBytes) {
        padded.insert(padded.end(), rows.begin() + at, rows.begin() + at + rowBytes);
        padded.resize((padded.size() + 3) / 4 * 4, 0);
    }
    return padded;
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
