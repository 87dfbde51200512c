// picture_facts FILE...: prints each saved picture's size and how many distinct colours it
// holds, one line each: "FILE WIDTH HEIGHT COLOURS". Exit status 1 when a file cannot be read.
#include "tests/harness/Picture.h"

#include <cstdio>
#include <unordered_set>

int main(int argc, char** argv) {
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        Picture picture;
        if (!ReadPpm(argv[i], picture)) {
            std::fprintf(stderr, "picture_facts: %s is not a readable picture\n", argv[i]);
            status = 1;
            continue;
        }
        std::unordered_set<unsigned> colours;
        for (size_t p = 0; p + 2 < picture.rgb.size(); p += 3)
            colours.insert(picture.rgb[p] << 16 | picture.rgb[p + 1] << 8 | picture.rgb[p + 2]);
        std::printf("%s %d %d %zu\n", argv[i], picture.width, picture.height, colours.size());
    }
    return status;
}
