#include "tests/terrain/PictureFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {
void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(v & 0xff);
    out.push_back((v >> 8) & 0xff);
}
void Put32(std::vector<std::uint8_t>& out, unsigned v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::vector<std::uint8_t> BmpHeaders(int width, int height, int bits, unsigned paletteEntries,
                                     unsigned imageBytes) {
    unsigned offset = 14 + 40 + paletteEntries * 4;
    std::vector<std::uint8_t> out = {'B', 'M'};
    Put32(out, offset + imageBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<unsigned>(width));
    Put32(out, static_cast<unsigned>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, 0); // uncompressed
    Put32(out, imageBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, paletteEntries);
    Put32(out, 0);
    return out;
}
} // namespace

bool WriteBmp24(const std::string& path, const std::vector<std::vector<Bgr>>& rows) {
    int width = static_cast<int>(rows[0].size());
    int stride = (width * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> out =
        BmpHeaders(width, static_cast<int>(rows.size()), 24, 0, stride * rows.size());
    for (const std::vector<Bgr>& row : rows) {
        for (const Bgr& p : row) {
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
        for (int pad = width * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return WriteFile(path, out);
}

bool WriteGreyBmp8(const std::string& path, const std::vector<std::vector<std::uint8_t>>& rows) {
    int width = static_cast<int>(rows[0].size());
    int stride = (width + 3) / 4 * 4;
    std::vector<std::uint8_t> out =
        BmpHeaders(width, static_cast<int>(rows.size()), 8, 256, stride * rows.size());
    for (unsigned i = 0; i < 256; ++i) {
        for (int channel = 0; channel < 3; ++channel)
            out.push_back(static_cast<std::uint8_t>(i));
        out.push_back(0);
    }
    for (const std::vector<std::uint8_t>& row : rows) {
        out.insert(out.end(), row.begin(), row.end());
        for (int pad = width; pad < stride; ++pad)
            out.push_back(0);
    }
    return WriteFile(path, out);
}

bool WriteTga32(const std::string& path, const std::vector<std::vector<std::uint8_t>>& rows) {
    std::vector<std::uint8_t> out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Put16(out, static_cast<unsigned>(rows[0].size() / 4));
    Put16(out, static_cast<unsigned>(rows.size()));
    out.push_back(32);
    out.push_back(8); // eight alpha bits, bottom row first
    for (const std::vector<std::uint8_t>& row : rows)
        out.insert(out.end(), row.begin(), row.end());
    return WriteFile(path, out);
}
