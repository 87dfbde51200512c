// The layer's private state: every handle it hands out names an entry of one table, so a
// null, stale or foreign handle is simply not found. The state is created on first use and
// never destroyed, because the framework calls the layer from static initialisation and from
// exit handlers.
#pragma once

#include "platform/Win32.h"

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

// One pixel format the layer offers: what it asks the driver for and, once probed, what the
// driver grants.
struct PixelFormatSlot {
    int alpha, depth, stencil, accum; // requested from the driver
    bool probed = false, available = false;
    int red = 8, green = 8, blue = 8; // granted
    int grantedAlpha = 0, grantedDepth = 0, grantedStencil = 0, grantedAccum = 0;
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
    HCURSOR cursor = nullptr; // as SetCursor last set it
    SDL_Cursor* sdlArrow = nullptr;
    HDC screenDc = nullptr;
    std::vector<PixelFormatSlot> pixelFormats; // the formats offered, in order, from 1
    bool videoReady = false;
    bool videoFailed = false;
    bool contextFailureReported = false;
    std::string probeError; // why the last pixel-format probe failed
    // Testing aid: called by SwapBuffers, see SetSwapObserver.
    SwapObserver swapObserver = nullptr;
};

State& GetState();

// State.cpp: the handle table.
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
// Time in milliseconds for message records.
DWORD MessageTime();

// Video.cpp: initialises SDL's video subsystem on first need; false when there is no display.
// The first failure says on standard error which display could not be opened, and why.
bool EnsureVideo();

// Classes.cpp: the class of this name or atom, or null.
WindowClass* FindClass(LPCSTR name);

// WindowProcs.cpp: calls a window's procedure.
LRESULT CallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// NativeWindows.cpp: creates the native window with the attributes of a pixel format (0: no
// OpenGL), and destroys it.
bool CreateNativeWindow(Window& w, int pixelFormat);
void DestroyNativeWindow(Window& w);

// WindowDc.cpp: the window a window device context belongs to, or null.
HWND WindowOfDc(HDC dc);

// PixelFormats.cpp: applies a pixel format's attributes to SDL before a window or context is
// created.
void ApplyFormatAttributes(int pixelFormat);

// Contexts.cpp: makes the context the state records as current current again in SDL (or none),
// and says on standard error, the first time only, why no OpenGL context could be made.
void RestoreCurrentContext();
void ReportContextFailure(const char* reason);

// MessageQueue.cpp: queues a message translated from input, behind those already queued.
void QueueInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Input.cpp: translates pending SDL events into queued messages.
void PumpSdlEvents();

// KeyMap.cpp: the Windows virtual-key code for an SDL key, or 0 when there is none; for a key
// event the keypad is read from the physical key and the Num Lock state.
int VirtualKeyFromSdl(SDL_Keycode key);
int VirtualKeyFromSdl(const SDL_Keysym& key);

} // namespace win32sdl
