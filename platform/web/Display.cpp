// The page is the display: it is there as soon as the program runs. Message times and the
// pointer come from it, and message boxes go to standard error, which the page shows.
#include "platform/web/Internal.h"

#include <cstdio>
#include <emscripten.h>

namespace win32 {

WebState& GetWebState() {
    // Never destroyed, as the core's state.
    static WebState* state = new WebState;
    return *state;
}

bool EnsureDisplay() {
    return true;
}

DWORD MessageTime() {
    return static_cast<DWORD>(emscripten_get_now());
}

POINT NativeCursorPosition() {
    return GetWebState().pointer;
}

} // namespace win32

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "Error", text ? text : "");
    return 1; // IDOK
}
