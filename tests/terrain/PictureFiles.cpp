#include "tests/terrain/PictureFiles.h"

#include "tests/support/PictureBytes.h"

bool WriteBmp24(const std::string& path, const std::vector<std::vector<Bgr>>& rows) {
    Bytes pixels;
    for (const std::vector<Bgr>& row : rows)
        for (const Bgr& p : row)
            pixels.insert(pixels.end(), {p.b, p.g, p.r});
    const int width = static_cast<int>(rows[0].size());
    return WriteBytes(path, Bmp(width, static_cast<int>(rows.size()), 24, {},
                                PadRows(pixels, static_cast<size_t>(width) * 3)));
}

bool WriteGreyBmp8(const std::string& path, const std::vector<std::vector<std::uint8_t>>& rows) {
    Bytes indices;
    for (const std::vector<std::uint8_t>& row : rows)
        indices.insert(indices.end(), row.begin(), row.end());
    return WriteBytes(path, Bmp(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 8,
                                GreyPalette(256), PadRows(indices, rows[0].size())));
}

bool WriteTga32(const std::string& path, const std::vector<std::vector<std::uint8_t>>& rows) {
    Bytes pixels;
    for (const std::vector<std::uint8_t>& row : rows)
        pixels.insert(pixels.end(), row.begin(), row.end());
    // Eight alpha bits, bottom row first.
    return WriteBytes(path, Tga(2, static_cast<int>(rows[0].size() / 4),
                                static_cast<int>(rows.size()), 32, 8, pixels));
}
