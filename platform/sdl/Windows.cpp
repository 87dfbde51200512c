// Window classes, windows, their geometry, titles, long values, painting state and capture.
#include "platform/sdl/Internal.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

using namespace win32sdl;

namespace {
bool IsIntResource(LPCSTR name) {
    return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0;
}

std::string Lower(const char* text) {
    std::string s(text);
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

WindowClass* FindClass(LPCSTR name) {
    State& s = GetState();
    if (!name)
        return nullptr;
    if (IsIntResource(name)) {
        ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
        for (auto& entry : s.classes)
            if (entry.second.atom == atom)
                return &entry.second;
        return nullptr;
    }
    auto it = s.classes.find(Lower(name));
    return it == s.classes.end() ? nullptr : &it->second;
}

void SendSize(Window& w) {
    CallProc(w.handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w.width, w.height));
}

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

namespace win32sdl {

Window::~Window() {
    DestroyNativeWindow(*this);
}

LRESULT CallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = FindWindow(window);
    if (!w || !w->proc)
        return 0;
    return w->proc(window, message, wParam, lParam);
}

} // namespace win32sdl

HMODULE GetModuleHandleA(LPCSTR name) {
    if (name)
        return nullptr;
    return reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x400000));
}

ATOM RegisterClassA(const WNDCLASSA* wc) {
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc || IsIntResource(wc->lpszClassName))
        return 0;
    State& s = GetState();
    std::string key = Lower(wc->lpszClassName);
    if (s.classes.count(key))
        return 0;
    WindowClass& c = s.classes[key];
    c.atom = s.nextAtom++;
    c.name = wc->lpszClassName;
    c.wc = *wc;
    if (wc->lpszMenuName && !IsIntResource(wc->lpszMenuName))
        c.menuName = wc->lpszMenuName;
    c.wc.lpszMenuName = nullptr;
    c.wc.lpszClassName = nullptr;
    return c.atom;
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
    WindowClass* c = FindClass(className);
    if (!c)
        return FALSE;
    State& s = GetState();
    for (HWND h : s.windows)
        if (Window* w = FindWindow(h); w && Lower(w->className.c_str()) == Lower(c->name.c_str()))
            return FALSE; // the class still has windows
    s.classes.erase(Lower(c->name.c_str()));
    return TRUE;
}

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
    static HCURSOR current = nullptr;
    HCURSOR previous = current;
    if (cursor && !Find<Object>(cursor, Kind::Cursor))
        return previous;
    current = cursor;
    State& s = GetState();
    if (s.videoReady) {
        if (!cursor) {
            SDL_ShowCursor(SDL_DISABLE);
        } else {
            if (!s.sdlArrow)
                s.sdlArrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
            if (s.sdlArrow)
                SDL_SetCursor(s.sdlArrow);
            SDL_ShowCursor(SDL_ENABLE);
        }
    }
    return previous;
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
    WindowClass* c = FindClass(className);
    if (!c || (parent && !FindWindow(parent)))
        return nullptr;
    if (!EnsureVideo())
        return nullptr;
    State& s = GetState();
    auto owned = std::make_unique<Window>();
    Window* w = owned.get();
    w->proc = c->wc.lpfnWndProc;
    w->className = c->name;
    w->title = title ? title : "";
    w->style = style & ~static_cast<DWORD>(WS_VISIBLE);
    w->exStyle = exStyle;
    // Default placement cascades a little, as Windows does. As on Windows, only x and width are
    // tested for CW_USEDEFAULT: y and height follow what those two tests decide.
    int defaults = static_cast<int>(s.windows.size() % 8) * 26;
    w->x = x == CW_USEDEFAULT ? 40 + defaults : x;
    w->y = x == CW_USEDEFAULT ? 40 + defaults : y;
    w->width = width == CW_USEDEFAULT ? 640 : std::max(width, 0);
    w->height = width == CW_USEDEFAULT ? 480 : std::max(height, 0);
    HWND h = static_cast<HWND>(AddObject(std::move(owned)));
    w->handle = h;
    auto dc = std::make_unique<Dc>(Kind::WindowDc);
    dc->window = h;
    w->dc = static_cast<HDC>(AddObject(std::move(dc)));
    s.windows.push_back(h);

    CREATESTRUCTA cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.cx = w->width;
    cs.cy = w->height;
    cs.x = w->x;
    cs.y = w->y;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = title;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    LPARAM lp = reinterpret_cast<LPARAM>(&cs);
    if (!CallProc(h, WM_NCCREATE, 0, lp) || CallProc(h, WM_CREATE, 0, lp) == -1) {
        DestroyWindow(h);
        return nullptr;
    }
    if (!FindWindow(h)) // destroyed by its own procedure
        return nullptr;
    // As on Windows, an overlapped window hears its first size when it is first shown.
    if (style & (WS_POPUP | WS_CHILD))
        SendSize(*w);
    else
        w->needsSize = true;
    if (FindWindow(h) && (style & WS_VISIBLE))
        ShowWindow(h, SW_SHOW);
    return FindWindow(h) ? h : nullptr;
}

BOOL DestroyWindow(HWND window) {
    Window* w = FindWindow(window);
    if (!w || w->destroying)
        return FALSE;
    State& s = GetState();
    w->destroying = true;
    if (s.capture == window)
        ReleaseCapture();
    CallProc(window, WM_DESTROY, 0, 0);
    CallProc(window, WM_NCDESTROY, 0, 0);
    // A context must not stay bound to a native window that is about to disappear.
    if (s.currentDc == w->dc) {
        SDL_GL_MakeCurrent(nullptr, nullptr);
        s.currentDc = nullptr;
        s.currentContext = nullptr;
    }
    auto notThis = [window](const MSG& m) { return m.hwnd == window; };
    s.input.erase(std::remove_if(s.input.begin(), s.input.end(), notThis), s.input.end());
    s.windows.erase(std::remove(s.windows.begin(), s.windows.end(), window), s.windows.end());
    RemoveObject(w->dc);
    RemoveObject(window);
    return TRUE;
}

BOOL IsWindow(HWND window) {
    return FindWindow(window) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    Window* w = FindWindow(window);
    return w && w->visible ? TRUE : FALSE;
}

BOOL ShowWindow(HWND window, int command) {
    Window* w = FindWindow(window);
    if (!w)
        return FALSE;
    BOOL wasVisible = w->visible ? TRUE : FALSE;
    if (command == SW_HIDE) {
        if (w->native)
            SDL_HideWindow(w->native);
        w->visible = false;
        return wasVisible;
    }
    if (!w->native && !CreateNativeWindow(*w, w->pixelFormat))
        return wasVisible;
    SDL_ShowWindow(w->native);
    w->visible = true;
    w->needsPaint = true;
    if (w->needsSize) {
        w->needsSize = false;
        SendSize(*w);
    }
    return wasVisible;
}

BOOL SetWindowPos(HWND window, HWND, int x, int y, int cx, int cy, UINT flags) {
    Window* w = FindWindow(window);
    if (!w)
        return FALSE;
    if (!(flags & SWP_NOMOVE)) {
        w->x = x;
        w->y = y;
        if (w->native)
            SDL_SetWindowPosition(w->native, x, y);
    }
    if (!(flags & SWP_NOSIZE)) {
        cx = std::max(cx, 0);
        cy = std::max(cy, 0);
        if (cx != w->width || cy != w->height) {
            w->width = cx;
            w->height = cy;
            if (w->native)
                SDL_SetWindowSize(w->native, std::max(cx, 1), std::max(cy, 1));
            SendSize(*w);
        }
    }
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(window, SW_SHOW);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(window, SW_HIDE);
    return TRUE;
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
    Window* w = FindWindow(window);
    if (!w || !rect)
        return FALSE;
    if (w->native)
        SDL_GetWindowPosition(w->native, &w->x, &w->y);
    rect->left = w->x;
    rect->top = w->y;
    rect->right = w->x + w->width;
    rect->bottom = w->y + w->height;
    return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
    Window* w = FindWindow(window);
    if (!w || !rect)
        return FALSE;
    rect->left = 0;
    rect->top = 0;
    rect->right = w->width;
    rect->bottom = w->height;
    return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD, BOOL) {
    // SDL sizes are client sizes: the frame belongs to the window manager.
    return rect ? TRUE : FALSE;
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
    Window* w = FindWindow(window);
    if (!w)
        return FALSE;
    w->title = text ? text : "";
    if (w->native)
        SDL_SetWindowTitle(w->native, w->title.c_str());
    return TRUE;
}

int GetWindowTextA(HWND window, LPSTR text, int size) {
    Window* w = FindWindow(window);
    if (!w || !text || size <= 0)
        return 0;
    int n = std::min(static_cast<int>(w->title.size()), size - 1);
    std::memcpy(text, w->title.data(), static_cast<size_t>(n));
    text[n] = '\0';
    return n;
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
    Window* w = FindWindow(window);
    if (!w)
        return 0;
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG_PTR>(w->style | (w->visible ? WS_VISIBLE : 0));
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(w->exStyle);
    case GWLP_USERDATA:
        return w->userData;
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    default:
        return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    Window* w = FindWindow(window);
    if (!w)
        return 0;
    LONG_PTR previous = GetWindowLongPtrA(window, index);
    switch (index) {
    case GWL_STYLE:
        w->style = static_cast<DWORD>(value) & ~static_cast<DWORD>(WS_VISIBLE);
        break;
    case GWL_EXSTYLE:
        w->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_USERDATA:
        w->userData = value;
        break;
    case GWLP_WNDPROC:
        if (!value)
            return 0;
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    default:
        return 0;
    }
    return previous;
}

// The 32-bit forms keep Windows' truncation: a pointer needs the pointer-sized forms.
LONG GetWindowLongA(HWND window, int index) {
    if (index == GWLP_WNDPROC)
        return 0;
    return static_cast<LONG>(GetWindowLongPtrA(window, index));
}

LONG SetWindowLongA(HWND window, int index, LONG value) {
    if (index == GWLP_WNDPROC)
        return 0;
    return static_cast<LONG>(SetWindowLongPtrA(window, index, value));
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM lParam) {
    Window* w = FindWindow(window);
    if (!w)
        return 0;
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_PAINT:
        w->needsPaint = false;
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            WindowClass* c = FindClass(w->className.c_str());
            if (c && c->wc.hCursor)
                SetCursor(c->wc.hCursor);
            return TRUE;
        }
        return FALSE;
    default:
        return 0;
    }
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallProc(window, message, wParam, lParam);
}

// As on Windows, a hidden window gathers no update region: showing it marks it whole.
BOOL InvalidateRect(HWND window, const RECT*, BOOL) {
    State& s = GetState();
    if (!window) {
        for (HWND h : s.windows)
            if (Window* w = FindWindow(h); w && w->visible)
                w->needsPaint = true;
        return TRUE;
    }
    Window* w = FindWindow(window);
    if (!w)
        return FALSE;
    if (w->visible)
        w->needsPaint = true;
    return TRUE;
}

BOOL GetUpdateRect(HWND window, LPRECT rect, BOOL) {
    Window* w = FindWindow(window);
    if (!w)
        return FALSE;
    bool dirty = w->needsPaint && w->width > 0 && w->height > 0;
    if (rect) {
        rect->left = rect->top = 0;
        rect->right = dirty ? w->width : 0;
        rect->bottom = dirty ? w->height : 0;
    }
    return dirty ? TRUE : FALSE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    Window* w = FindWindow(window);
    if (!w || !paint)
        return nullptr;
    std::memset(paint, 0, sizeof *paint);
    paint->hdc = w->dc;
    if (w->needsPaint) {
        paint->rcPaint.right = w->width;
        paint->rcPaint.bottom = w->height;
    }
    w->needsPaint = false;
    return w->dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    return FindWindow(window) && paint ? TRUE : FALSE;
}

HWND SetCapture(HWND window) {
    State& s = GetState();
    HWND previous = GetCapture();
    if (!FindWindow(window))
        return previous;
    s.capture = window;
    if (s.videoReady)
        SDL_CaptureMouse(SDL_TRUE);
    return previous;
}

BOOL ReleaseCapture() {
    State& s = GetState();
    s.capture = nullptr;
    if (s.videoReady)
        SDL_CaptureMouse(SDL_FALSE);
    return TRUE;
}

HWND GetCapture() {
    State& s = GetState();
    return FindWindow(s.capture) ? s.capture : nullptr;
}

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
    const char* t = text ? text : "";
    const char* c = caption ? caption : "Error";
    if (!EnsureVideo() || SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, c, t, nullptr) != 0)
        std::fprintf(stderr, "%s: %s\n", c, t);
    return 1; // IDOK
}
