// The arrow cursor and the application icon, the only ones the program loads, and showing the
// cursor.
#include "platform/core/Core.h"

using namespace win32;

namespace {
// A process-wide object made on first request and never deleted.
template <class Handle> Handle Stock(Handle& slot, Kind kind) {
    if (!slot) {
        auto o = std::make_unique<Object>(kind);
        o->stock = true;
        slot = static_cast<Handle>(AddObject(std::move(o)));
    }
    return slot;
}
} // namespace

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (instance || name != IDC_ARROW)
        return nullptr;
    return Stock(GetState().arrowCursor, Kind::Cursor);
}

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (instance || name != IDI_APPLICATION)
        return nullptr;
    return Stock(GetState().applicationIcon, Kind::Icon);
}

HCURSOR SetCursor(HCURSOR cursor) {
    State& s = GetState();
    HCURSOR previous = s.cursor;
    if (cursor && !Find<Object>(cursor, Kind::Cursor))
        return previous;
    s.cursor = cursor;
    ShowNativeCursor(cursor != nullptr);
    return previous;
}
