// picture_compare [--tolerance N] [--least PERCENT] A B [DIFFERENCE]: how close two saved
// pictures are. Prints "A B: W x H, P% within N levels, largest difference D" and writes,
// when asked, a picture of where they differ (the scene dimmed, differences in magenta).
// Exit status 0 when at least PERCENT of the pixels (default 98) are within N levels (default
// 4) in every channel, 1 when fewer are or the sizes differ, 2 for bad usage or an unreadable
// picture.
#include "tests/harness/PictureCompare.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
int Usage() {
    std::fprintf(stderr,
                 "usage: picture_compare [--tolerance N] [--least PERCENT] A B [DIFFERENCE]\n");
    return 2;
}

bool Number(const char* text, double low, double high, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value >= low && value <= high;
}
} // namespace

int main(int argc, char** argv) {
    double tolerance = 4, least = 98;
    int i = 1;
    for (; i + 1 < argc && std::strncmp(argv[i], "--", 2) == 0; i += 2) {
        if (std::strcmp(argv[i], "--tolerance") == 0) {
            if (!Number(argv[i + 1], 0, 255, tolerance))
                return Usage();
        } else if (std::strcmp(argv[i], "--least") == 0) {
            if (!Number(argv[i + 1], 0, 100, least))
                return Usage();
        } else {
            return Usage();
        }
    }
    if (argc - i != 2 && argc - i != 3)
        return Usage();
    Picture a, b;
    for (auto [path, picture] : {std::pair{argv[i], &a}, std::pair{argv[i + 1], &b}}) {
        if (!ReadPpm(path, *picture)) {
            std::fprintf(stderr, "picture_compare: %s is not a readable picture\n", path);
            return 2;
        }
    }
    Picture difference;
    const bool draw = argc - i == 3;
    Closeness c = Compare(a, b, static_cast<int>(tolerance), draw ? &difference : nullptr);
    if (!c.sameSize) {
        std::printf("%s %s: %d x %d against %d x %d\n", argv[i], argv[i + 1], a.width, a.height,
                    b.width, b.height);
        return 1;
    }
    std::printf("%s %s: %d x %d, %.2f%% within %g levels, largest difference %d\n", argv[i],
                argv[i + 1], a.width, a.height, c.shareWithin * 100, tolerance, c.largest);
    if (draw && !WritePpm(argv[i + 2], difference)) {
        std::fprintf(stderr, "picture_compare: cannot write %s\n", argv[i + 2]);
        return 2;
    }
    return c.shareWithin * 100 >= least ? 0 : 1;
}
