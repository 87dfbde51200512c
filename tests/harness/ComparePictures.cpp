// compare_pictures [--map FOLDER] [--within LEVELS SHARE] A B...: compares pictures of one
// scene pairwise, A with B, C with D and so on, and prints for each pair the share of pixels
// within 2 levels and the largest patch beyond, against the target: at least 99.5% within, no
// patch over 16 pixels. --within sets a looser target for different rasterisers: at least SHARE
// (0 to 1) of the pixels within LEVELS, whatever the patches. With --map it saves a difference
// picture of each pair in FOLDER, named after the first.
// Exit status 0 when every pair meets the target, 1 when one does not, 2 for bad usage or a
// picture that cannot be read.
#include "tests/harness/PictureDifference.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
int tolerance = 2;
double leastAgreeing = 0.995;
int largestPatch = 16;

// A whole number or a share given on the command line; false for anything else.
bool ReadNumber(const char* text, double low, double high, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value >= low && value <= high;
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
} // namespace

int main(int argc, char** argv) {
    int first = 1;
    std::string mapFolder;
    bool usage = true;
    for (;;) {
        if (argc > first + 1 && std::strcmp(argv[first], "--map") == 0) {
            mapFolder = argv[first + 1];
            first += 2;
            continue;
        }
        if (argc > first + 2 && std::strcmp(argv[first], "--within") == 0) {
            double levels = 0;
            usage = ReadNumber(argv[first + 1], 0, 255, levels) &&
                    ReadNumber(argv[first + 2], 0, 1, leastAgreeing);
            tolerance = static_cast<int>(levels);
            largestPatch = INT_MAX;
            first += 3;
            continue;
        }
        break;
    }
    if (!usage || argc <= first || (argc - first) % 2 != 0) {
        std::fprintf(
            stderr,
            "usage: compare_pictures [--map FOLDER] [--within LEVELS SHARE] A B [C D ...]\n");
        return 2;
    }
    int status = 0;
    for (int i = first; i + 1 < argc; i += 2) {
        Picture a, b;
        if (!ReadPpm(argv[i], a) || !ReadPpm(argv[i + 1], b)) {
            std::fprintf(stderr, "compare_pictures: cannot read %s or %s\n", argv[i], argv[i + 1]);
            return 2;
        }
        Picture map;
        const PictureDifference d = ComparePictures(a, b, tolerance, &map);
        if (!d.sameSize) {
            std::printf("%s: %d x %d against %d x %d: FAILED\n", argv[i], a.width, a.height,
                        b.width, b.height);
            status = 1;
            continue;
        }
        const bool met = d.agreeing >= leastAgreeing && d.largestPatch <= largestPatch;
        std::printf("%s: %.3f%% within %d levels, largest patch %d, worst %d%s\n",
                    BaseName(argv[i]).c_str(), d.agreeing * 100, tolerance, d.largestPatch, d.worst,
                    met ? "" : ": FAILED");
        if (!met)
            status = 1;
        if (!mapFolder.empty())
            WritePpm(mapFolder + "/" + BaseName(argv[i]), map);
    }
    return status;
}
