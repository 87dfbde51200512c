// The core every backend shares: what the contract's calls mean where no native window system
// is involved, kept in one process-wide state. Every handle the layer hands out names an entry
// of one table, so a null, stale or foreign handle is simply not found. The state is made on
// first use and never destroyed, because the framework calls the layer from static
// initialisation and from exit handlers.
//
// A backend (platform/<backend>/) implements the calls that need its window system and the
// functions declared under "What each backend provides" at the end; the core calls those where
// a window, its input or its pixels reach the screen.
#pragma once

#include "platform/Win32.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace win32 {

struct Bitmap;
struct RgbaPicture;
struct PictureCodecs;

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
    int pixelFormat = 0; // 0 until SetPixelFormat
    // The backend's window, made at SetPixelFormat or at the first ShowWindow, and the number
    // the backend's events know it by.
    void* native = nullptr;
    std::uint32_t nativeId = 0;
};

// Device contexts: a window's own DC and memory DCs for bitmaps.
struct Dc : Object {
    explicit Dc(Kind k) : Object(k) {}
    HWND window = nullptr;            // window DCs only
    HPALETTE palette = nullptr;       // selected palette (the default palette when none)
    HGDIOBJ bitmap = nullptr;         // memory DCs: the selected bitmap
    HGDIOBJ originalBitmap = nullptr; // memory DCs: the 1x1 stock bitmap they start with
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
    std::deque<MSG> input;     // translated input events, in order
    bool quitPosted = false;
    int quitCode = 0;
    HWND capture = nullptr;
    HGLRC currentContext = nullptr;
    HDC currentDc = nullptr;
    HPALETTE defaultPalette = nullptr;
    HCURSOR arrowCursor = nullptr;
    HICON applicationIcon = nullptr;
    HCURSOR cursor = nullptr; // as SetCursor last set it
    HDC screenDc = nullptr;
    HGDIOBJ stockBitmap = nullptr;             // the 1x1 bitmap of new memory DCs
    HGDIOBJ stockBrushes[NULL_BRUSH + 1] = {}; // by GetStockObject index
    SwapObserver swapObserver = nullptr;       // see SetSwapObserver
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
inline Palette* FindPalette(HPALETTE h) {
    return Find<Palette>(h, Kind::Palette);
}
// A window or memory device context.
Dc* FindDc(HDC h);
// Removes an object from the table and destroys it.
void RemoveObject(const void* handle);
// The window whose native window has this number, or null.
Window* FindWindowByNativeId(std::uint32_t id);

// Classes.cpp: the class of this name or atom, or null.
WindowClass* FindClass(LPCSTR name);

// WindowProcs.cpp: calls a window's procedure.
LRESULT CallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WindowDc.cpp: the window a window device context belongs to, or null.
HWND WindowOfDc(HDC dc);

// MessageQueue.cpp: queues a message translated from input, behind those already queued.
void QueueInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Queues a key as Windows words it: WM_KEYDOWN or WM_KEYUP, or the system-key messages for
// F10, Alt and keys held with Alt; lParam with the repeat count, scan code, Alt (context),
// previous state and transition bits.
void QueueKey(HWND window, int virtualKey, bool down, bool repeat, bool alt, int scanCode);
// Queues a mouse button's message (button 0 left, 1 middle, 2 right) or, for button -1, a
// move; x and y in client pixels (kept to 16 signed bits), flags the MK_ bits held.
void QueueMouse(HWND window, int button, bool down, WPARAM flags, int x, int y);

// Kernel.cpp: a path with its backslashes turned into slashes, as the local file system spells
// it; the same for a wide path, whose text is first turned back into the ANSI code page's.
std::string LocalPath(const char* path);
std::string NarrowPath(const WCHAR* wide);

// ---- What each backend provides ----------------------------------------------------------------

// Starts the window system on first need; false when there is no display, said once on
// standard error.
bool EnsureDisplay();

// The native window of a window, made hidden, with the visual of a pixel format (0: none), and
// destroyed; the others act on a window whose native window exists: showing, hiding, moving
// it to the window's position, sizing it to the window's size, titling it with its title,
// reading its position back into the window, and presenting what was drawn.
bool CreateNativeWindow(Window& w, int pixelFormat);
void DestroyNativeWindow(Window& w);
void ShowNativeWindow(Window& w);
void HideNativeWindow(Window& w);
void MoveNativeWindow(Window& w);
void ResizeNativeWindow(Window& w);
void RetitleNativeWindow(Window& w);
void ReadNativePosition(Window& w);
void PresentNativeWindow(Window& w);

// Shows the arrow cursor or hides the cursor; keeps the mouse reporting while it is outside
// the windows, or stops.
void ShowNativeCursor(bool shown);
void CaptureNativeMouse(bool captured);

// Translates pending input and window events into queued messages (QueueInput).
void PumpNativeEvents();
// Time in milliseconds and the pointer's position on the screen, for message records.
DWORD MessageTime();
POINT NativeCursorPosition();

// Leaves no OpenGL context current, as wglMakeCurrent (NULL, NULL) does.
void MakeNoContextCurrent();

// Bitmap files other than the bit-field ones the core decodes itself, their headers already
// checked against the pixel budget: as a 24-bit bitmap for LoadImageA and as a picture for the
// picture loader. Null when the file is damaged or the backend reads no such files.
std::unique_ptr<Bitmap> LoadBitmapFile(const std::string& path);
std::unique_ptr<RgbaPicture> DecodeBitmapFile(const std::string& path);

// The picture decoders the backend links beside the core's own (platform/codecs/).
const PictureCodecs& LinkedPictureCodecs();

} // namespace win32
