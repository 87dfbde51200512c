// Calls into the page's script (page/page.js), which the page hands the runtime as
// Module.page. Titles are passed as UTF-8; the program's own are ASCII.
#include "platform/web/Page.h"

#include <emscripten.h>

namespace {
// clang-format off
EM_JS(void, JsCreateFrame, (int id, const char* title, int x, int y, int width, int height), {
    Module['page'].createFrame(id, UTF8ToString(title), x, y, width, height);
});
EM_JS(void, JsSetFrameTitle, (int id, const char* title), {
    Module['page'].setTitle(id, UTF8ToString(title));
});
EM_JS(void, JsPlaceFrame, (int id, int x, int y, int width, int height), {
    Module['page'].place(id, x, y, width, height);
});
EM_JS(void, JsShowFrame, (int id, int visible), { Module['page'].show(id, visible != 0); });
EM_JS(void, JsDestroyFrame, (int id), { Module['page'].destroy(id); });
EM_JS(void, JsFocusFrame, (int id), { Module['page'].focus(id); });
EM_JS(int, JsCanvasOrigin, (int id, int* left, int* top), {
    const origin = Module['page'].canvasOrigin(id);
    if (!origin)
        return 0;
    HEAP32[left >> 2] = origin[0];
    HEAP32[top >> 2] = origin[1];
    return 1;
});
EM_JS(void, JsShowCursor, (int shown), { Module['page'].showCursor(shown != 0); });
EM_JS(void, JsPresented, (int id), { Module['page'].presented(id); });
EM_JS(int, JsExiting, (), { return Module['exiting'] ? 1 : 0; });
EM_ASYNC_JS(void, JsNextFrame, (), { await Module['page'].nextFrame(); });
// clang-format on
} // namespace

namespace win32 {

void CreateFrame(int id, const char* title, int x, int y, int width, int height) {
    JsCreateFrame(id, title ? title : "", x, y, width, height);
}

void SetFrameTitle(int id, const char* title) {
    JsSetFrameTitle(id, title ? title : "");
}

void PlaceFrame(int id, int x, int y, int width, int height) {
    JsPlaceFrame(id, x, y, width, height);
}

void ShowFrame(int id, bool visible) {
    JsShowFrame(id, visible ? 1 : 0);
}

void DestroyFrame(int id) {
    JsDestroyFrame(id);
}

void FocusFrame(int id) {
    JsFocusFrame(id);
}

bool CanvasOrigin(int id, int& left, int& top) {
    return JsCanvasOrigin(id, &left, &top) != 0;
}

void ShowCursor(bool shown) {
    JsShowCursor(shown ? 1 : 0);
}

void FramePresented(int id) {
    JsPresented(id);
}

std::string CanvasSelector(int id) {
    return "#moonhop-canvas-" + std::to_string(id);
}

void WaitForNextFrame() {
    // Exit handlers run in one go: the runtime cannot be suspended while it shuts down.
    if (!JsExiting())
        JsNextFrame();
}

} // namespace win32
