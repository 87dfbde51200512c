// Our layer's bitmap loader bounds what one picture may take (64 MB), so that a few bytes of
// run-length data cannot claim gigabytes. Windows' own loader has no such rule.
#include "ImageTestFiles.h"

namespace {

class SdlBitmapLoader : public ScratchTest {
  protected:
    Image image;
};

TEST_F(SdlBitmapLoader, PicturesPastItsLimitAreRefused) {
    // Run-length data that ends at once describes a large picture in a few bytes.
    const Bytes palette = {10, 20, 30, 0};
    WriteFile("big.bmp", Bmp(5000, 5000, 8, palette, {0, 1}, 1));
    EXPECT_FALSE(image.extra->ReadWindowsBitmap("big.bmp"));
    WriteFile("fits.bmp", Bmp(2048, 2048, 8, palette, {0, 1}, 1));
    ASSERT_TRUE(image.extra->ReadWindowsBitmap("fits.bmp"));
    EXPECT_EQ(image.Width(), 2048);
    EXPECT_EQ(RowBytes(image, 2047)[2047 * 3 + 2], 0); // the runs wrote nothing
}

} // namespace
