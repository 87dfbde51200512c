// Icons through the platform's picture loader: bitmaps of every depth, drawn on white where
// their mask hides them.
#include "tests/support/ImageTestFiles.h"

namespace {

class ImageIcon : public ScratchTest {
  protected:
    Image image;
};

TEST_F(ImageIcon, EveryDepthDrawsOnWhiteWhereTheMaskHides) {
    // 2 x 2: top row red and green, bottom row blue and a pixel the mask hides, black in the
    // colour rows as icons keep it. With one bit there are only red and black. Rows and masks
    // are bottom row first, each padded to 4 bytes.
    const Bytes palette = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    const Bytes mask = {0x40, 0, 0, 0, 0, 0, 0, 0};
    const Bytes red = {0, 0, 255}, green = {0, 255, 0}, blue = {255, 0, 0}, black = {0, 0, 0},
                white = {255, 255, 255};
    const auto join = [](const Bytes& a, const Bytes& b) {
        Bytes joined = a;
        joined.insert(joined.end(), b.begin(), b.end());
        return joined;
    };
    struct Case {
        int bits;
        Bytes palette, rows, top, bottom; // the rows drawn, as BGR
    };
    const Case cases[] = {
        {1,
         Bytes(palette.begin(), palette.begin() + 8),
         {0x80, 0, 0, 0, 0x80, 0, 0, 0},
         join(red, black),
         join(red, white)},
        {4, palette, {0x30, 0, 0, 0, 0x12, 0, 0, 0}, join(red, green), join(blue, white)},
        {8, palette, {3, 0, 0, 0, 1, 2, 0, 0}, join(red, green), join(blue, white)},
        {24,
         {},
         {255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0},
         join(red, green),
         join(blue, white)},
        // A table the image does not use still comes before its rows.
        {24,
         Bytes(palette.begin(), palette.begin() + 8),
         {255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0},
         join(red, green),
         join(blue, white)},
        // No pixel has any alpha, so the mask decides.
        {32,
         {},
         {255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0},
         join(red, green),
         join(blue, white)},
    };
    for (const Case& c : cases) {
        WriteFile("pic.ico", IconFile(1, {{2, 2, c.bits < 8 ? 1 << c.bits : 0,
                                           IconBitmap(2, 2, c.bits, c.palette, c.rows, mask)}}));
        ASSERT_TRUE(image.extra->ReadOlePicture("pic.ico")) << c.bits;
        ASSERT_EQ(image.Width(), 2);
        ASSERT_EQ(image.Height(), 2);
        EXPECT_EQ(RowBytes(image, 1), c.top)
            << c.bits << " bits, table of " << c.palette.size() / 4;
        EXPECT_EQ(RowBytes(image, 0), c.bottom)
            << c.bits << " bits, table of " << c.palette.size() / 4;
    }
}

} // namespace
