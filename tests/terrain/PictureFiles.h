// Small picture files written byte by byte, for reading back through Image.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Bgr {
    std::uint8_t b, g, r;
};

// An uncompressed 24-bit BMP; rows[0] is the bottom row.
bool WriteBmp24(const std::string& path, const std::vector<std::vector<Bgr>>& rows);
// An uncompressed 8-bit BMP with a grey palette (entry i is grey i); rows[0] is the bottom row.
bool WriteGreyBmp8(const std::string& path, const std::vector<std::vector<std::uint8_t>>& rows);
// An uncompressed 32-bit true-colour TGA, bottom row first; pixels are b, g, r, a.
bool WriteTga32(const std::string& path, const std::vector<std::vector<std::uint8_t>>& rows);
