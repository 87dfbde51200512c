// The reader through the platform's picture loader: PNG, JPEG, icons and cursors told apart by
// their contents, other kinds refused, sizes in HIMETRIC, and how a file name becomes a full
// path.
#include "tests/support/ImageTestFiles.h"

#include "framework/ImagePath.h"
#include "platform/Win32.h"
#include "tests/support/Wine.h"

namespace {

// Saves RGBA pixels, top row first, as PNG or JPEG.
void Save(const std::string& name, int w, int h, const Bytes& rgba, bool jpeg = false) {
    WriteFile(name, jpeg ? BlockJpeg(w, h, rgba) : Png(w, h, rgba));
}

// 3 x 2: top row red, green, blue; bottom row white, black, half-transparent grey.
Bytes Sample() {
    return {255, 0,   0,   255, 0, 255, 0, 255, 0,   0,   255, 255,
            255, 255, 255, 255, 0, 0,   0, 255, 100, 100, 100, 255};
}

// A 2 x 1 icon (kind 1) or cursor (kind 2) of 32 bits: red, then transparent blue.
Bytes Icon(int kind) {
    // Blue, green, red, alpha; the AND mask hides pixel 2.
    return IconFile(
        kind,
        {{2, 1, 0, IconBitmap(2, 1, 32, {}, {0, 0, 255, 255, 255, 0, 0, 0}, {0x40, 0, 0, 0})}});
}

// Opens a file of the working directory the way the reader does.
HRESULT Open(const char* name, IPicture** picture) {
    std::string path;
    if (!FullPicturePath(name, path))
        return E_FAIL;
    std::vector<WCHAR> wide(path.size() + 1);
    if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(),
                            static_cast<int>(wide.size())) <= 0)
        return E_FAIL;
    return OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture,
                              reinterpret_cast<void**>(picture));
}

class ImageOle : public ScratchTest {
  protected:
    Image image;
};

TEST_F(ImageOle, PngComesUprightAsPaddedBgr) {
    Save("pic.png", 3, 2, Sample());
    ASSERT_TRUE(image.extra->ReadOlePicture("pic.png"));
    EXPECT_EQ(image.extra->format, PixelFormat::BGR);
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.extra->stride, 12);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{255, 255, 255, 0, 0, 0, 100, 100, 100}));
    EXPECT_EQ(RowBytes(image, 1), (Bytes{0, 0, 255, 0, 255, 0, 255, 0, 0}));
}

TEST_F(ImageOle, LoadReachesItForPng) {
    Save("pic.png", 3, 2, Sample());
    ASSERT_TRUE(image.Load("pic.png"));
    EXPECT_EQ(image.extra->stride, 12);
    EXPECT_EQ(RowBytes(image, 1)[2], 255);
}

TEST_F(ImageOle, JpegColoursSurviveCompression) {
    // Left half orange, right half dark blue, 16 x 8.
    Bytes rgba;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            x < 8 ? rgba.insert(rgba.end(), {240, 140, 20, 255})
                  : rgba.insert(rgba.end(), {20, 30, 120, 255});
    Save("pic.jpg", 16, 8, rgba, true);
    ASSERT_TRUE(image.Load("pic.jpg"));
    ASSERT_EQ(image.Width(), 16);
    ASSERT_EQ(image.Height(), 8);
    const std::uint8_t* row = image.Row(3);
    const int left[3] = {20, 140, 240}, right[3] = {120, 30, 20};
    for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(row[3 * 2 + c], left[c], 12) << c;
        EXPECT_NEAR(row[3 * 13 + c], right[c], 12) << c;
    }
}

TEST_F(ImageOle, GreyAndProgressiveJpegs) {
    // Two flat 8 x 8 blocks, dark then light.
    Bytes rgba;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            x < 8 ? rgba.insert(rgba.end(), {40, 40, 40, 255})
                  : rgba.insert(rgba.end(), {210, 210, 210, 255});
    JpegShape grey;
    grey.components = 1;
    JpegShape progressive;
    progressive.progressive = true;
    for (const JpegShape& shape : {grey, progressive}) {
        WriteFile("pic.jpg", BlockJpeg(16, 8, rgba, shape));
        ASSERT_TRUE(image.Load("pic.jpg")) << shape.components;
        ASSERT_EQ(image.Width(), 16);
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(image.Row(4)[3 * 3 + c], 40, 2) << shape.components;
            EXPECT_NEAR(image.Row(4)[3 * 12 + c], 210, 2) << shape.components;
        }
    }
}

TEST_F(ImageOle, TransparencyShowsWhatWasThere) {
    // A bitmap picture goes over the fresh section, which is black.
    Save("clear.png", 2, 1, {255, 0, 0, 255, 0, 255, 0, 0});
    ASSERT_TRUE(image.extra->ReadOlePicture("clear.png"));
    EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 0, 255, 0, 0, 0}));
}

TEST_F(ImageOle, IconOnWhite) {
    WriteFile("pic.ico", Icon(1));
    ASSERT_TRUE(image.extra->ReadOlePicture("pic.ico"));
    ASSERT_EQ(image.Width(), 2);
    EXPECT_EQ(RowBytes(image, 0), (Bytes{0, 0, 255, 255, 255, 255}));
}

TEST_F(ImageOle, IconsAndCursorsAreIconsWhateverTheirName) {
    for (int kind : {1, 2}) {
        WriteFile("pic.png", Icon(kind));
        IPicture* picture = nullptr;
        ASSERT_EQ(Open("pic.png", &picture), S_OK) << kind;
        SHORT type = 0;
        EXPECT_EQ(picture->get_Type(&type), S_OK);
        EXPECT_EQ(type, PICTYPE_ICON);
        picture->Release();
    }
}

TEST_F(ImageOle, ContentsDecideTheFormatNotTheName) {
    Save("pic.gif", 3, 2, Sample());
    ASSERT_TRUE(image.extra->ReadOlePicture("pic.gif"));
    EXPECT_EQ(image.Width(), 3);
}

TEST_F(ImageOle, OtherKindsOfFileAreRefused) {
    const std::string svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="2">)"
                            R"(<rect x="0" y="0" width="2" height="2" fill="#0000ff"/></svg>)";
    // A PCX header for a 2 x 2 picture, and the start of a GIMP image.
    const Bytes pcx = {10, 5, 1, 8, 0, 0, 0, 0, 1, 0, 1, 0};
    const std::string xcf = "gimp xcf file";
    const std::pair<const char*, Bytes> files[] = {{"pic.svg", Bytes(svg.begin(), svg.end())},
                                                   {"pic.pcx", pcx},
                                                   {"pic.xcf", Bytes(xcf.begin(), xcf.end())},
                                                   {"empty.png", {}}};
    // Windows says CTL_E_INVALIDPICTURE; Wine says E_FAIL.
    const HRESULT refusal = UnderWine() ? E_FAIL : CTL_E_INVALIDPICTURE;
    for (const auto& [name, bytes] : files) {
        WriteFile(name, bytes);
        IPicture* picture = nullptr;
        EXPECT_EQ(Open(name, &picture), refusal) << name;
        EXPECT_EQ(picture, nullptr);
    }
}

TEST_F(ImageOle, SizeIsHimetricAtNinetySixPerInch) {
    Save("wide.png", 96, 48, Bytes(96 * 48 * 4, 255));
    IPicture* picture = nullptr;
    ASSERT_EQ(Open("wide.png", &picture), S_OK);
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    SHORT type = 0;
    EXPECT_EQ(picture->get_Width(&w), S_OK);
    EXPECT_EQ(picture->get_Height(&h), S_OK);
    EXPECT_EQ(picture->get_Type(&type), S_OK);
    EXPECT_EQ(w, 2540);
    EXPECT_EQ(h, 1270);
    EXPECT_EQ(type, PICTYPE_BITMAP);
    EXPECT_EQ(picture->Release(), 0u);
}

TEST_F(ImageOle, FailuresBeforeDrawingLeaveTheImageAlone) {
    WriteFile("noise.png", Bytes(100, 7));
    Fill(image, 2, 2, PixelFormat::RGB);
    EXPECT_FALSE(image.extra->ReadOlePicture("absent.png"));
    EXPECT_FALSE(image.extra->ReadOlePicture("noise.png"));
    EXPECT_FALSE(image.extra->ReadOlePicture(nullptr));
    EXPECT_EQ(image.Width(), 2);
}

TEST_F(ImageOle, NamesThatAreNotUtf8StillOpen) {
    Save("pic\xFF.png", 3, 2, Sample());
    ASSERT_TRUE(image.extra->ReadOlePicture("pic\xFF.png"));
    EXPECT_EQ(image.Width(), 3);
}

class ImageOlePath : public ScratchTest {
  protected:
    std::string Cwd() const { return std::filesystem::current_path().string(); }
    Image image;
};

TEST_F(ImageOlePath, BareAndForwardSlashNamesGoUnderTheWorkingDirectory) {
    std::string path;
    ASSERT_TRUE(FullPicturePath("pic.png", path));
    EXPECT_EQ(path, Cwd() + "\\pic.png");
    ASSERT_TRUE(FullPicturePath("sub/pic.png", path));
    EXPECT_EQ(path, Cwd() + "\\sub/pic.png");
}

TEST_F(ImageOlePath, DriveLettersRootsAndBackslashesPassUnchanged) {
    std::string path;
    ASSERT_TRUE(FullPicturePath("C:pic.png", path));
    EXPECT_EQ(path, "C:pic.png");
    ASSERT_TRUE(FullPicturePath("sub\\pic.png", path));
    EXPECT_EQ(path, "sub\\pic.png");
    ASSERT_TRUE(FullPicturePath("pic.png\\", path));
    EXPECT_EQ(path, "pic.png\\");
    ASSERT_TRUE(FullPicturePath("/abs/pic.png", path));
    EXPECT_EQ(path, "/abs/pic.png");
}

TEST_F(ImageOlePath, TooLongOrMissingNamesFail) {
    std::string path;
    EXPECT_FALSE(FullPicturePath(nullptr, path));
    const size_t room = 260 - Cwd().size() - 2;
    EXPECT_TRUE(FullPicturePath(std::string(room, 'a').c_str(), path));
    EXPECT_FALSE(FullPicturePath(std::string(room + 1, 'a').c_str(), path));
}

TEST_F(ImageOlePath, TheReaderFollowsTheRules) {
    std::filesystem::create_directory("sub");
    Save("sub/pic.png", 3, 2, Sample());
    EXPECT_TRUE(image.extra->ReadOlePicture("sub/pic.png"));
    // A name with a backslash is passed on as it is, and the loader opens only full paths.
    EXPECT_FALSE(image.extra->ReadOlePicture("sub\\pic.png"));
    EXPECT_TRUE(image.extra->ReadOlePicture((folder.string() + "\\sub\\pic.png").c_str()));
}

// A picture named by its full path from the root loads from any working directory, through the
// whole chain as the game calls it.
TEST_F(ImageOlePath, AbsolutePngLoadsFromElsewhere) {
    if (UnderWine())
        GTEST_SKIP() << "paths from the root are a Linux matter";
    std::filesystem::create_directory("sub");
    Save("sub/pic.png", 3, 2, Sample());
    const std::string absolute = (folder / "sub" / "pic.png").generic_string();
    ASSERT_EQ(absolute[0], '/');
    std::filesystem::create_directory("elsewhere");
    std::filesystem::current_path(folder / "elsewhere");
    ASSERT_TRUE(image.Load(absolute.c_str()));
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(RowBytes(image, 1), (Bytes{0, 0, 255, 0, 255, 0, 255, 0, 0}));
    EXPECT_FALSE(image.Load((folder / "sub" / "missing.png").generic_string().c_str()));
}

} // namespace

TEST_F(ImageOle, BitmapsAreDrawnToo) {
    // 2 x 1, 24-bit, bottom-up: blue then red, each row padded to 4 bytes.
    WriteFile("pic.bmp", Bmp(2, 1, 24, {}, {255, 0, 0, 0, 0, 255, 0, 0}));
    ASSERT_TRUE(image.extra->ReadOlePicture("pic.bmp"));
    ASSERT_EQ(image.Width(), 2);
    ASSERT_EQ(image.Height(), 1);
    EXPECT_EQ(RowBytes(image, 0)[0], 255); // blue, in BGR order
    EXPECT_EQ(RowBytes(image, 0)[5], 255); // red
}
