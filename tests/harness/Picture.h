// A picture as the harness saves it: 8-bit RGB, rows top-down as seen on screen, kept in
// binary PPM files ("P6"), which any comparison tool reads without a library.
#pragma once

#include <string>
#include <vector>

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb; // width * height * 3 bytes
};

// Builds a picture from rows read back from OpenGL: bottom-up RGBA rows, each stride bytes.
Picture PictureFromGl(int width, int height, const std::vector<unsigned char>& rgba, int stride);

bool WritePpm(const std::string& path, const Picture& picture);
// Reads what WritePpm writes (and any P6 file with a maximum of 255); false for anything else.
bool ReadPpm(const std::string& path, Picture& picture);
