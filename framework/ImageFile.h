// A picture file opened for binary reading, closed when it goes out of scope.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>

class ImageFile {
  public:
    explicit ImageFile(const char* name) : file(name ? std::fopen(name, "rb") : nullptr) {}
    ~ImageFile() {
        if (file)
            std::fclose(file);
    }
    ImageFile(const ImageFile&) = delete;
    ImageFile& operator=(const ImageFile&) = delete;

    explicit operator bool() const { return file != nullptr; }
    std::FILE* Get() const { return file; }

    bool Read(void* to, std::size_t bytes) { return std::fread(to, 1, bytes, file) == bytes; }
    // A position past what fseek takes (2 GiB where long is 32 bits) fails, never wraps.
    bool Seek(long long position) {
        return position >= 0 && position <= LONG_MAX &&
               std::fseek(file, static_cast<long>(position), SEEK_SET) == 0;
    }
    bool SeekFromEnd(long offset) { return std::fseek(file, -offset, SEEK_END) == 0; }
    // Length of the file in bytes, or -1 when it cannot be told. Leaves the position alone.
    long long Length();

  private:
    std::FILE* file;
};

// Little-endian fields of file headers.
inline std::uint16_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
inline std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
