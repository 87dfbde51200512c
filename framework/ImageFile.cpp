#include "framework/ImageFile.h"

long long ImageFile::Length() {
    const long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long end = std::ftell(file);
    if (std::fseek(file, here, SEEK_SET) != 0)
        return -1;
    return end;
}
