// The layer's private state: every handle it hands out names an entry of one table, so a
// null, stale or foreign handle is simply not found. The state is created on first use and
// never destroyed, because the framework calls the layer from static initialisation and from
// exit handlers.
#pragma once

#include "platform/sdl/Win32Api.h"

#include <SDL.h>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace win32sdl {

enum class Kind { Window, WindowDc, MemoryDc, GlContext, Palette, Bitmap, Brush, Cursor, Icon };

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Kind kind;
    bool stock = false; // stock objects are never deleted
};

struct WindowClass {
    ATOM atom = 0;
    std::string name;
    WNDCLASSA wc{};
    std::string menuName;
};

struct Window : Object {
    Window() : Object(Kind::Window) {}
    ~Window() override;
    HWND handle = nullptr;
    HDC dc = nullptr; // the window's own device context (CS_OWNDC)
    WNDPROC proc = nullptr;
    std::string className;
    std::string title;
    DWORD style = 0, exStyle = 0;
    int x = 0, y = 0;          // client area's top-left on the screen (there is no frame)
    int width = 0, height = 0; // client size
    bool visible = false;
    bool needsPaint = false;
    bool needsSize = false; // the first WM_SIZE still to come, at the first showing
    bool destroying = false;
    LONG_PTR userData = 0;
    int pixelFormat = 0;          // 0 until SetPixelFormat
    SDL_Window* native = nullptr; // created at SetPixelFormat or at the first ShowWindow
    Uint32 nativeId = 0;
    bool cursorInClient = false;
};

// Device contexts: a window's own DC and memory DCs for bitmaps.
struct Dc : Object {
    explicit Dc(Kind k) : Object(k) {}
    HWND window = nullptr;            // window DCs only
    HPALETTE palette = nullptr;       // selected palette (the default palette when none)
    HGDIOBJ bitmap = nullptr;         // memory DCs: the selected bitmap
    HGDIOBJ originalBitmap = nullptr; // memory DCs: the 1x1 stock bitmap they start with
};

struct GlContext : Object {
    GlContext() : Object(Kind::GlContext) {}
    ~GlContext() override;
    SDL_GLContext context = nullptr;
    int pixelFormat = 0;
};

struct Palette : Object {
    Palette() : Object(Kind::Palette) {}
    std::unique_ptr<PALETTEENTRY[]> entries;
    UINT count = 0;
};

struct State {
    std::unordered_map<std::uintptr_t, std::unique_ptr<Object>> objects;
    std::uintptr_t nextHandle = 0x10000;
    std::unordered_map<std::string, WindowClass> classes; // by lower-case name
    ATOM nextAtom = 0xC000;
    std::vector<HWND> windows; // live windows in creation order
    std::deque<MSG> posted;    // PostMessageA, in order
    std::deque<MSG> input;     // translated SDL events, in order
    bool quitPosted = false;
    int quitCode = 0;
    HWND capture = nullptr;
    HGLRC currentContext = nullptr;
    HDC currentDc = nullptr;
    HPALETTE defaultPalette = nullptr;
    HCURSOR arrowCursor = nullptr;
    HICON applicationIcon = nullptr;
    SDL_Cursor* sdlArrow = nullptr;
    bool videoReady = false;
    bool videoFailed = false;
    bool contextFailureReported = false;
    std::string probeError; // why the last pixel-format probe failed
    // Testing aid: called by SwapBuffers, see SetSwapObserver.
    SwapObserver swapObserver = nullptr;
};

State& GetState();

// Initialises SDL's video subsystem on first need; false when there is no display. The first
// failure says on standard error which display could not be opened, and why.
bool EnsureVideo();
// Says on standard error, the first time only, why no OpenGL context could be made.
void ReportContextFailure(const char* reason);

// Adds an object to the table and returns its new handle value.
void* AddObject(std::unique_ptr<Object> object);
// The object a handle names if it is of the given kind; null otherwise.
Object* FindObject(const void* handle);
template <class T> T* Find(const void* handle, Kind kind) {
    Object* o = FindObject(handle);
    return o && o->kind == kind ? static_cast<T*>(o) : nullptr;
}
inline Window* FindWindow(HWND h) {
    return Find<Window>(h, Kind::Window);
}
inline GlContext* FindContext(HGLRC h) {
    return Find<GlContext>(h, Kind::GlContext);
}
inline Palette* FindPalette(HPALETTE h) {
    return Find<Palette>(h, Kind::Palette);
}
// A window or memory device context.
Dc* FindDc(HDC h);
// Removes an object from the table and destroys it.
void RemoveObject(const void* handle);

// The window whose native window has this SDL id, or null.
Window* FindWindowByNativeId(Uint32 id);

// Creates the native window with the attributes of a pixel format (0: no OpenGL).
bool CreateNativeWindow(Window& w, int pixelFormat);
void DestroyNativeWindow(Window& w);
// Makes the context the state records as current current again in SDL (or none).
void RestoreCurrentContext();
// Calls a window's procedure.
LRESULT CallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Applies a pixel format's attributes to SDL before a window or context is created.
void ApplyFormatAttributes(int pixelFormat);

// Translates pending SDL events into queued messages.
void PumpSdlEvents();
// Windows virtual-key code for an SDL key, or 0 when there is none.
int VirtualKeyFromSdl(SDL_Keycode key);
// The same for a key event: the keypad is read from the physical key and the Num Lock state.
int VirtualKeyFromSdl(const SDL_Keysym& key);

// Time in milliseconds for message records.
DWORD MessageTime();

} // namespace win32sdl
