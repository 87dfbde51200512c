// Picture files written by the tests themselves, in a scratch folder that is the working
// directory while a test runs.
#pragma once

#include "framework/Image.h"
#include "framework/ImageExtra.h"

#include "tests/support/PictureBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

// A fixture whose working directory is a fresh folder, removed afterwards.
class ScratchTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path folder;

  private:
    std::filesystem::path previous;
};

// Writes the file, failing the test when it cannot.
void WriteFile(const std::string& name, const Bytes& bytes);

// A PNG file of RGBA pixels, top row first, stored without compression.
Bytes Png(int width, int height, const Bytes& rgba);

struct PngChunk {
    const char* type;
    Bytes data;
};

// A PNG file: the header for the bit depth, colour type and interlacing given, `chunks` in
// order, then `raw` (scanlines with their filter bytes) in one IDAT of stored deflate blocks.
Bytes PngFile(int width, int height, int depth, int colourType, bool interlaced, const Bytes& raw,
              const std::vector<PngChunk>& chunks = {});

// Scanlines of pixels of whole bytes, top row first, each with filter byte 0; in the seven
// passes of interlacing when asked.
Bytes PngScanlines(int width, int height, int bytesPerPixel, const Bytes& pixels,
                   bool interlaced = false);

struct JpegShape {
    int components = 3; // 1: grey; 3: colour; 4: CMYK as Adobe stores it (inverted)
    bool progressive = false;
    int dcScans = 1; // of a progressive file: how often its scan of averages comes
};

// A JPEG file that keeps only each 8 x 8 block's average: exact for pictures made of flat
// blocks. Pixels are top row first: RGBA, or for 4 components the CMYK bytes to store. A
// progressive file has a scan of the averages, then one scan per component of the (empty)
// rest.
Bytes BlockJpeg(int width, int height, const Bytes& pixels, JpegShape shape = {});

// An icon (kind 1) or cursor (kind 2) file of the images given, each whole: a PNG file, or a
// bitmap as IconBitmap writes it.
struct IconImage {
    int width, height, colours; // as the directory gives them (colours 0 for 256 or more)
    Bytes data;
};
Bytes IconFile(int kind, const std::vector<IconImage>& images);

// A bitmap as icons hold it: the 40-byte header (the height counts the colour and the mask
// rows), the palette, the colour rows and the mask rows, bottom row first, padded to 4 bytes.
Bytes IconBitmap(int width, int height, int bits, const Bytes& palette, const Bytes& rows,
                 const Bytes& mask);

// A file of tests/data, compiled into the tests.
Bytes DataFile(const std::string& name);

// The bytes of row i of an image, without padding.
Bytes RowBytes(const Image& image, int i);

// An image filled with a counting pattern, to see whether a failed read emptied it.
void Fill(Image& image, int width, int height, PixelFormat format);
