// Message boxes, shown by SDL, or said on standard error where no display opens.
#include "platform/sdl/Internal.h"

#include <cstdio>

using namespace win32;

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
    const char* t = text ? text : "";
    const char* c = caption ? caption : "Error";
    if (!EnsureDisplay() ||
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, c, t, nullptr) != 0)
        std::fprintf(stderr, "%s: %s\n", c, t);
    return 1; // IDOK
}
