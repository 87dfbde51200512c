// The core with the smallest backend (NullBackend.cpp): what needs no window system works
// without one, and a picture format whose decoder the backend does not link is refused like a
// damaged file, though the decoder, called directly, reads the very same bytes.
#include "platform/core/Pictures.h"
#include "tests/support/PictureBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace win32;

namespace {
// A 1 x 1 PNG file of one colour.
const Bytes kPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
    0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00,
    0x00, 0x1F, 0x15, 0xC4, 0x89, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x44, 0x41, 0x54, 0x78,
    0x9C, 0x63, 0xE0, 0x12, 0x91, 0xFB, 0x0F, 0x00, 0x01, 0xA4, 0x01, 0x3C, 0x93, 0x8B,
    0x0E, 0xB7, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82,
};

// An 8 x 8 grey JPEG file.
const Bytes kJpeg = {
    0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x03, 0x02, 0x02, 0x03, 0x02, 0x02, 0x03, 0x03, 0x03,
    0x03, 0x04, 0x03, 0x03, 0x04, 0x05, 0x08, 0x05, 0x05, 0x04, 0x04, 0x05, 0x0A, 0x07, 0x07, 0x06,
    0x08, 0x0C, 0x0A, 0x0C, 0x0C, 0x0B, 0x0A, 0x0B, 0x0B, 0x0D, 0x0E, 0x12, 0x10, 0x0D, 0x0E, 0x11,
    0x0E, 0x0B, 0x0B, 0x10, 0x16, 0x10, 0x11, 0x13, 0x14, 0x15, 0x15, 0x15, 0x0C, 0x0F, 0x17, 0x18,
    0x16, 0x14, 0x18, 0x12, 0x14, 0x15, 0x14, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x08, 0x00, 0x08,
    0x01, 0x01, 0x11, 0x00, 0xFF, 0xC4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0xFF, 0xC4, 0x00, 0x14, 0x10, 0x01,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0x60, 0x3F, 0xFF, 0xD9,
};

// A 1 x 1 GIF file: two colours, the pixel the first.
const Bytes kGif = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 1, 0,    1,    0, 0x80, 0,
                    0,    0xFF, 0xFF, 0xFF, 0,    0,    0, 0x2C, 0,    0, 0,    0,
                    1,    0,    1,    0,    0,    2,    2, 0x44, 0x01, 0, 0x3B};

// An icon file whose one image is this PNG file.
Bytes IconOf(const Bytes& png) {
    Bytes icon(6 + 16);
    Put16(icon, 2, 1); // an icon
    Put16(icon, 4, 1); // one image
    icon[6] = icon[7] = 1;
    Put32(icon, 6 + 8, static_cast<std::uint32_t>(png.size()));
    Put32(icon, 6 + 12, static_cast<std::uint32_t>(icon.size()));
    icon.insert(icon.end(), png.begin(), png.end());
    return icon;
}

// A 1 x 1 bitmap of 32 bits, its colours given by masks, and one of 24 bits.
const Bytes kBitFieldBmp =
    Bmp(1, 1, 32, {}, {0x10, 0x20, 0x30, 0}, BmpLayout{40, 3, {0xFF0000, 0xFF00, 0xFF}, -1});
const Bytes kPlainBmp = Bmp(1, 1, 24, {}, {0x10, 0x20, 0x30, 0});

class CoreAlone : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() /
            ("moonhop-core-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Write(const Bytes& bytes) {
        const std::string path = (folder / ("file" + std::to_string(files++))).string();
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }

    // What the picture loader answers for a file of these bytes.
    HRESULT LoadPicture(const Bytes& bytes) {
        const std::string path = Write(bytes);
        std::vector<WCHAR> wide(path.size() + 1);
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(),
                            static_cast<int>(wide.size()));
        IPicture* picture = nullptr;
        const HRESULT result = OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture,
                                                  reinterpret_cast<void**>(&picture));
        if (picture)
            picture->Release();
        return result;
    }

    // Whether the bitmap loader takes a file of these bytes.
    bool LoadBitmap(const Bytes& bytes) {
        HANDLE bitmap =
            LoadImageA(nullptr, Write(bytes).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        return bitmap && DeleteObject(bitmap);
    }

    std::filesystem::path folder;
    int files = 0;
};
} // namespace

TEST_F(CoreAlone, PicturesWhoseDecoderIsNotLinkedAreRefused) {
    ASSERT_NE(DecodePng(kPng.data(), kPng.size()), nullptr);
    ASSERT_NE(DecodeJpeg(kJpeg.data(), kJpeg.size()), nullptr);
    const struct {
        const char* what;
        Bytes bytes;
        HRESULT answer;
    } kCases[] = {
        {"GIF", kGif, S_OK},
        {"bit-field bitmap", kBitFieldBmp, S_OK},
        {"other bitmap", kPlainBmp, CTL_E_INVALIDPICTURE},
        {"PNG", kPng, CTL_E_INVALIDPICTURE},
        {"JPEG", kJpeg, CTL_E_INVALIDPICTURE},
        {"icon holding a PNG", IconOf(kPng), CTL_E_INVALIDPICTURE},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(LoadPicture(c.bytes), c.answer) << c.what;
    EXPECT_TRUE(LoadBitmap(kBitFieldBmp));
    EXPECT_FALSE(LoadBitmap(kPlainBmp));
}

TEST_F(CoreAlone, ClassesQueueAndMemoryBitmapsNeedNoDisplay) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "CoreAlone";
    EXPECT_NE(RegisterClassA(&wc), 0);
    EXPECT_EQ(CreateWindowExA(0, "CoreAlone", "", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr,
                              nullptr, nullptr, nullptr),
              nullptr);
    PostQuitMessage(3);
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));

    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(section, nullptr);
    SelectObject(dc, section);
    RECT all = {0, 0, 2, 2};
    EXPECT_EQ(FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), 1);
    EXPECT_EQ(static_cast<std::uint8_t*>(bits)[0], 255);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_TRUE(DeleteObject(section));
}
