// The GDI calls the bitmap and picture readers rely on, as the platform layer gives them.
#include "platform/Win32.h"
#include "tests/support/Wine.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

BITMAPINFO Describe24(int w, int h) {
    BITMAPINFO info;
    std::memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

TEST(ImageGdiObjects, DeleteObjectKeepsStockObjectsAndTakesMemoryContexts) {
    EXPECT_FALSE(DeleteObject(nullptr));
    HGDIOBJ white = GetStockObject(WHITE_BRUSH);
    EXPECT_TRUE(DeleteObject(white)); // succeeds, and the stock brush stays
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), white);
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(DeleteObject(dc));
    EXPECT_FALSE(DeleteDC(dc)); // already gone

    dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = Describe24(2, 2);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    ASSERT_NE(previous, nullptr);
    EXPECT_EQ(SelectObject(dc, previous), static_cast<HGDIOBJ>(bitmap));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap)); // stale
    RECT r;
    SetRect(&r, 0, 0, 1, 1);
    EXPECT_NE(FillRect(dc, &r, static_cast<HBRUSH>(white)), 0);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
}

TEST(ImageGdiObjects, DeleteObjectRefusesABitmapStillSelected) {
    if (UnderWine())
        GTEST_SKIP() << "Wine deletes a selected object once it is deselected and reports success "
                        "at once; Windows refuses the call";
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = Describe24(2, 2);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    ASSERT_NE(previous, nullptr);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(SelectObject(dc, previous), static_cast<HGDIOBJ>(bitmap));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(ImageGdiObjects, ABitmapLivesInOneDeviceContextAtATime) {
    HDC first = CreateCompatibleDC(nullptr), second = CreateCompatibleDC(nullptr);
    BITMAPINFO info = Describe24(1, 1);
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    ASSERT_NE(SelectObject(first, bitmap), nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    // Deleting the context releases the bitmap.
    EXPECT_TRUE(DeleteDC(first));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(second));
}

TEST(ImageGdiObjects, GetObjectDescribesABitmap) {
    BITMAPINFO info = Describe24(5, 3);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    BITMAP b{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof b, &b), static_cast<int>(sizeof b));
    EXPECT_EQ(b.bmWidth, 5);
    EXPECT_EQ(b.bmHeight, 3);
    EXPECT_EQ(b.bmWidthBytes, 16);
    EXPECT_EQ(b.bmBits, bits);
    EXPECT_EQ(GetObjectA(nullptr, sizeof b, &b), 0);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(GetObjectA(bitmap, sizeof b, &b), 0);
}

TEST(ImageGdiDib, FillAndReadBackBottomUp) {
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = Describe24(3, 2);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(bits, nullptr);
    EXPECT_EQ(static_cast<unsigned char*>(bits)[0], 0); // sections start zeroed
    HGDIOBJ previous = SelectObject(dc, section);
    RECT top;
    SetRect(&top, 1, 0, 10, 1); // the top row from x 1, clipped at the right edge
    EXPECT_NE(FillRect(dc, &top, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), 0);

    unsigned char rows[2 * 12] = {};
    info.bmiHeader.biSizeImage = sizeof rows;
    ASSERT_EQ(GetDIBits(dc, section, 0, 2, rows, &info, DIB_RGB_COLORS), 2);
    const unsigned char bottom[12] = {};
    const unsigned char topRow[12] = {0, 0, 0, 255, 255, 255, 255, 255, 255, 0, 0, 0};
    EXPECT_EQ(std::memcmp(rows, bottom, 12), 0);
    EXPECT_EQ(std::memcmp(rows + 12, topRow, 12), 0);
    EXPECT_EQ(std::memcmp(rows, bits, sizeof rows), 0);
    SelectObject(dc, previous);
    DeleteObject(section);
    DeleteDC(dc);
}

TEST(ImageGdiDib, UnsupportedDescriptionsAreRefused) {
    BITMAPINFO info = Describe24(2, 2);
    info.bmiHeader.biBitCount = 7; // no such depth
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
    info = Describe24(0x7FFFFFFF, 2);
    EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
}

TEST(ImageGdiUnits, NinetySixPixelsPerInch) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 0);
    EXPECT_EQ(MulDiv(2540, GetDeviceCaps(dc, LOGPIXELSX), 2540), 96);
    DeleteDC(dc);
}

TEST(ImageGdiUnits, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, -1, 2), -3);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX); // wide intermediate product
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
}

TEST(ImageGdiText, WideConversion) {
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "ab", -1, nullptr, 0), 3);
    WCHAR wide[8] = {};
    // The ANSI code page is the system's: UTF-8 here, a single-byte one on most Windows.
    ASSERT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a\xC3\xA9", -1, wide, 8), 3);
    EXPECT_EQ(wide[0], L'a');
    EXPECT_EQ(wide[1], static_cast<WCHAR>(0xE9));
    EXPECT_EQ(wide[2], 0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abcdef", -1, wide, 3), 0); // too small
    EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "\xFF", -1, wide, 8), 0);
}

TEST(ImageGdiText, CurrentDirectoryAsksForRoom) {
    char small[2];
    const DWORD needed = GetCurrentDirectoryA(sizeof small, small);
    ASSERT_GT(needed, 2u);
    std::string buffer(needed, '\0');
    EXPECT_EQ(GetCurrentDirectoryA(needed, &buffer[0]), needed - 1);
}

} // namespace
