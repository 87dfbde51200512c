// A file open for reading, closed when it goes; `file` is null when it could not be opened.
#pragma once

#include <cstdio>
#include <string>

namespace win32 {

class InputFile {
  public:
    explicit InputFile(const std::string& path) : file(std::fopen(path.c_str(), "rb")) {}
    ~InputFile() {
        if (file)
            std::fclose(file);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    std::FILE* const file;
};

} // namespace win32
