// Writes the game's icon as a PNG of the given size, for the desktop's menus.
#include "tools/Icon.h"
#include "tools/Png.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    char* end = nullptr;
    const long size = argc == 3 ? std::strtol(argv[1], &end, 10) : 0;
    // Icon themes go up to 512; a bigger request is a mistake, not a bigger icon.
    if (argc != 3 || *end != '\0' || size < 16 || size > 1024) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png   (SIZE in pixels, 16 to 1024)\n", argv[0]);
        return 2;
    }
    if (!WritePng(argv[2], PaintIcon(static_cast<int>(size)))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
