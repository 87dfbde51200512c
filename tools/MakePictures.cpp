// Writes the game's three pictures into the folder given on the command line.
#include "tools/Pictures.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const struct {
        const char* name;
        Canvas picture;
    } pictures[] = {
        {"1DTexture_Moon.bmp", PaintMoonRamp()},
        {"StarSphere.bmp", PaintStarSphere(2048, 1024)},
        {"LandingDisk.bmp", PaintLandingDisk(512)},
    };
    for (const auto& p : pictures)
        if (!WriteBmp(folder + p.name, p.picture)) {
            std::fprintf(stderr, "cannot write %s%s\n", folder.c_str(), p.name);
            return 1;
        }
    return 0;
}
