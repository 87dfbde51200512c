// The few kernel calls: arithmetic for device units, the working directory and ANSI-to-wide
// text, and the paths the loaders open. The ANSI code page here is UTF-8, the file system's;
// bytes that are not UTF-8 become lone surrogates U+DC80..U+DCFF, so that any file name
// survives the way to wide characters and back.
#include "platform/core/Core.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

// Decodes one UTF-8 sequence at p (n bytes left); 0 when it is not a valid one.
int DecodeUtf8(const unsigned char* p, size_t n, char32_t& out) {
    int length = p[0] < 0x80         ? 1
                 : (p[0] >> 5) == 6  ? 2
                 : (p[0] >> 4) == 14 ? 3
                 : (p[0] >> 3) == 30 ? 4
                                     : 0;
    if (length == 0 || static_cast<size_t>(length) > n)
        return 0;
    char32_t c = length == 1 ? p[0] : p[0] & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = c << 6 | (p[i] & 0x3F);
    }
    static const char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    out = c;
    return length;
}

} // namespace

namespace win32 {

std::string LocalPath(const char* path) {
    std::string local(path);
    std::replace(local.begin(), local.end(), '\\', '/');
    return local;
}

std::string NarrowPath(const WCHAR* wide) {
    std::string out;
    for (; *wide; ++wide) {
        const auto c = static_cast<char32_t>(*wide);
        if (c >= 0xDC80 && c <= 0xDCFF) {
            out += static_cast<char>(c - 0xDC00);
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return LocalPath(out.c_str());
}

} // namespace win32

DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer) {
    char* directory = getcwd(nullptr, 0);
    if (!directory)
        return 0;
    const size_t length = std::strlen(directory);
    DWORD result;
    if (!buffer || size < length + 1) {
        result = static_cast<DWORD>(length + 1); // the size it needs
    } else {
        std::memcpy(buffer, directory, length + 1);
        result = static_cast<DWORD>(length);
    }
    std::free(directory);
    return result;
}

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int bytes, LPWSTR wide,
                        int wideSize) {
    if (!text || bytes == 0 || bytes < -1 || wideSize < 0 ||
        (codePage != CP_ACP && codePage != CP_OEMCP && codePage != CP_THREAD_ACP &&
         codePage != CP_UTF8))
        return 0;
    // -1: the text and its terminating zero.
    const size_t n = bytes == -1 ? std::strlen(text) + 1 : static_cast<size_t>(bytes);
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    std::vector<WCHAR> out;
    for (size_t i = 0; i < n;) {
        char32_t c = 0;
        const int length = DecodeUtf8(p + i, n - i, c);
        if (length == 0) {
            if (flags & MB_ERR_INVALID_CHARS)
                return 0;
            out.push_back(static_cast<WCHAR>(0xDC00 + p[i]));
            ++i;
        } else {
            out.push_back(static_cast<WCHAR>(c));
            i += static_cast<size_t>(length);
        }
    }
    if (wideSize == 0)
        return static_cast<int>(out.size());
    if (out.size() > static_cast<size_t>(wideSize) || !wide)
        return 0;
    std::memcpy(wide, out.data(), out.size() * sizeof(WCHAR));
    return static_cast<int>(out.size());
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    // Rounded half away from zero, as Windows rounds; -1 when the result does not fit.
    const long long product = static_cast<long long>(number) * numerator;
    const long long magnitude = (std::llabs(product) + std::llabs(denominator) / 2) /
                                std::llabs(static_cast<long long>(denominator));
    const long long result = (product < 0) != (denominator < 0) ? -magnitude : magnitude;
    return result > INT_MAX || result < INT_MIN ? -1 : static_cast<int>(result);
}
