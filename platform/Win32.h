// The platform contract: the part of the Windows API the program and its tests are written
// against, and the OpenGL they draw with. It is the only header above platform/ that names the
// system.
//
// On Windows it is the system's own headers and nothing of ours is built. Everywhere else it
// declares the same names, types and constants, with their Windows values and signatures, and
// our layer implements every call with the meaning Windows gives it: the core every backend
// shares (platform/core/, no window system) and one backend folder (platform/sdl/). Each group
// says which files implement it. A backend implements MessageBoxA, the four pixel-format calls
// and the wgl calls, and what the core asks of it, listed at the end of platform/core/Core.h;
// tests/platform/core/NullBackend.cpp is the smallest backend that links.
//
// Marks: calls and names without a mark are the program's. "Tests only": the program never
// calls them, but every backend provides them so the tests run against it. "Backends only": the
// values a backend gives or accepts with the Windows meaning, which the program never names.
//
// Handles are checked: a null, stale or foreign handle makes a call fail the way Windows fails
// it (0, FALSE or NULL), never undefined behaviour.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <olectl.h>
#include <windows.h>
#else

#include <cstddef>
#include <cstdint>

// ---- Types, handles and the helpers that take message parameters apart ----------------------

#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int DWORD;
typedef short SHORT;
typedef int LONG;
typedef unsigned int ULONG;
typedef unsigned int UINT;
typedef unsigned short ATOM;
typedef wchar_t WCHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef wchar_t* LPWSTR;
typedef void* LPVOID;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef long HRESULT;

#define TRUE 1
#define FALSE 0

#define DECLARE_HANDLE(name)                                                                       \
    struct name##__ {                                                                              \
        int unused;                                                                                \
    };                                                                                             \
    typedef struct name##__* name
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HGLRC);
DECLARE_HANDLE(HINSTANCE);
DECLARE_HANDLE(HICON);
DECLARE_HANDLE(HCURSOR);
DECLARE_HANDLE(HBRUSH);
DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HPALETTE);
DECLARE_HANDLE(HBITMAP);
typedef void* HANDLE;
typedef void* HGDIOBJ;
typedef HINSTANCE HMODULE;

struct POINT {
    LONG x, y;
};
struct RECT {
    LONG left, top, right, bottom;
};
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

#define LOWORD(l) ((WORD)(((ULONG_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((ULONG_PTR)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b)                                                                             \
    ((LONG)(((WORD)(((ULONG_PTR)(a)) & 0xffff)) | ((DWORD)((WORD)(((ULONG_PTR)(b)) & 0xffff)))     \
                                                      << 16))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define MAKEINTATOM(i) ((LPSTR)((ULONG_PTR)((WORD)(i)))) // tests only
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))        // tests only
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))        // tests only

// ---- Window classes, cursors, icons and the module ---------------------------------------------
// Core: core/Classes.cpp (classes, the module), core/Cursors.cpp (cursors and icons).

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
};

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_OWNDC 0x0020
#define IDC_ARROW MAKEINTRESOURCEA(32512)
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)

HMODULE GetModuleHandleA(LPCSTR name);
ATOM RegisterClassA(const WNDCLASSA* wc);
BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR SetCursor(HCURSOR cursor);

// ---- Windows -----------------------------------------------------------------------------------
// Core: core/Windows.cpp (creating, destroying, showing, placing, titles), core/WindowProcs.cpp
// (procedures and long values). Backend: the native windows (sdl/NativeWindows.cpp).

struct CREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};

#define WS_OVERLAPPED 0x00000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW                                                                        \
    (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_APPWINDOW 0x00040000L
#define CW_USEDEFAULT ((int)0x80000000)
#define GWL_STYLE (-16)
#define GWLP_USERDATA (-21)
#define SW_HIDE 0
#define SW_SHOW 5
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOACTIVATE 0x0010
// Tests only.
#define WS_POPUP 0x80000000L
#define GWLP_WNDPROC (-4)
// Backends only.
#define WS_VISIBLE 0x10000000L
#define WS_CHILD 0x40000000L
#define GWL_EXSTYLE (-20)
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
BOOL DestroyWindow(HWND window);
BOOL ShowWindow(HWND window, int command);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu);
BOOL SetWindowTextA(HWND window, LPCSTR text);
LONG GetWindowLongA(HWND window, int index);
LONG_PTR GetWindowLongPtrA(HWND window, int index);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
// Destroys the window on WM_CLOSE; does nothing with keys, so Alt combinations end here.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Tests only.
BOOL IsWindow(HWND window);
BOOL IsWindowVisible(HWND window);
int GetWindowTextA(HWND window, LPSTR text, int size);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- The message queue and the messages a window procedure hears ----------------------------
// Core: core/MessageQueue.cpp. Backend: input and window events as messages (sdl/Input.cpp).
// PeekMessageA never blocks; it returns, in this order, posted messages, input, WM_QUIT once
// PostQuitMessage was called, then WM_PAINT for a visible window whose update region is marked.

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
typedef MSG* LPMSG;

#define PM_REMOVE 0x0001
#define PM_NOREMOVE 0x0000 // tests only

#define WM_CREATE 0x0001 // tests only
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_SETCURSOR 0x0020
#define WM_NCCREATE 0x0081
#define WM_NCMOUSEMOVE 0x00A0
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_MBUTTONDOWN 0x0207
#define WM_MBUTTONUP 0x0208
#define WM_USER 0x0400
#define HTCLIENT 1 // tests only
// Tests only: keys with Alt, and F10, arrive as system keys, which the program leaves to
// DefWindowProcA; character messages are never made.
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
// Backends only.
#define WM_NCDESTROY 0x0082
#define SIZE_RESTORED 0
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008
#define MK_MBUTTON 0x0010

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT remove);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);

// ---- Painting ----------------------------------------------------------------------------------
// Core: core/Painting.cpp. An update region is empty or the whole client area.

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL GetUpdateRect(HWND window, LPRECT rect, BOOL erase);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

// ---- Keys and the mouse ------------------------------------------------------------------------
// Core: core/Capture.cpp. Backend: virtual-key codes (sdl/KeyMap.cpp). Letters and digits
// are their ASCII capitals; the keypad gives VK_NUMPAD0 + n with Num Lock on.

#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
// Tests only.
#define VK_SHIFT 0x10
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_NUMPAD0 0x60
#define VK_ADD 0x6B
#define VK_F1 0x70
#define VK_F12 0x7B
// Backends only.
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_CLEAR 0x0C
#define VK_RETURN 0x0D
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_PAUSE 0x13
#define VK_CAPITAL 0x14
#define VK_ESCAPE 0x1B
#define VK_MULTIPLY 0x6A
#define VK_SUBTRACT 0x6D
#define VK_DECIMAL 0x6E
#define VK_DIVIDE 0x6F
#define VK_F10 0x79
#define VK_NUMLOCK 0x90
#define VK_SCROLL 0x91

// Mouse input goes to the capturing window, wherever the pointer is.
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture(); // tests only

// ---- Message boxes -----------------------------------------------------------------------------
// Backend: sdl/MessageBox.cpp.

#define MB_OK 0x00000000L

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// ---- Pixel formats and window device contexts --------------------------------------------------
// Core: core/WindowDc.cpp (device contexts, swaps). Backend: the pixel format calls
// (sdl/PixelFormats.cpp), presenting a swap (sdl/NativeWindows.cpp).

struct PIXELFORMATDESCRIPTOR {
    WORD nSize;
    WORD nVersion;
    DWORD dwFlags;
    BYTE iPixelType;
    BYTE cColorBits;
    BYTE cRedBits;
    BYTE cRedShift;
    BYTE cGreenBits;
    BYTE cGreenShift;
    BYTE cBlueBits;
    BYTE cBlueShift;
    BYTE cAlphaBits;
    BYTE cAlphaShift;
    BYTE cAccumBits;
    BYTE cAccumRedBits;
    BYTE cAccumGreenBits;
    BYTE cAccumBlueBits;
    BYTE cAccumAlphaBits;
    BYTE cDepthBits;
    BYTE cStencilBits;
    BYTE cAuxBuffers;
    BYTE iLayerType;
    BYTE bReserved;
    DWORD dwLayerMask;
    DWORD dwVisibleMask;
    DWORD dwDamageMask;
};

#define PFD_DOUBLEBUFFER 0x00000001
#define PFD_DRAW_TO_WINDOW 0x00000004
#define PFD_SUPPORT_OPENGL 0x00000020
#define PFD_NEED_PALETTE 0x00000080
#define PFD_TYPE_RGBA 0
#define PFD_MAIN_PLANE 0

// GetDC (NULL) is the screen's device context.
HDC GetDC(HWND window);
int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd);
BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* pfd);
int GetPixelFormat(HDC dc);
int DescribePixelFormat(HDC dc, int format, UINT bytes, PIXELFORMATDESCRIPTOR* pfd);
BOOL SwapBuffers(HDC dc);
// Tests only.
int ReleaseDC(HWND window, HDC dc);
// Tests only, and not a Windows call: while an observer is set, SwapBuffers calls it with the
// window's handle just before it presents, so a test can read back what the window drew.
typedef void (*SwapObserver)(HWND window);
void SetSwapObserver(SwapObserver observer);

// ---- Rendering contexts and OpenGL entry points ------------------------------------------------
// Backend: every call (sdl/Contexts.cpp). A new context shares nothing and does not become
// current.

// An entry point as wglGetProcAddress hands it out, to be cast to its real type.
typedef INT_PTR(WINAPI* PROC)();

HGLRC wglCreateContext(HDC dc);
BOOL wglDeleteContext(HGLRC context);
BOOL wglMakeCurrent(HDC dc, HGLRC context);
HGLRC wglGetCurrentContext();
HDC wglGetCurrentDC();
// An OpenGL extension entry point of the current context; null without a current context.
PROC wglGetProcAddress(LPCSTR name);

// ---- Palettes ----------------------------------------------------------------------------------
// Core: core/Palettes.cpp. Displays are true colour: realizing maps no entries.

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};
struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};

HPALETTE CreatePalette(const LOGPALETTE* palette);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground);
UINT RealizePalette(HDC dc);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries); // tests

// ---- GDI objects, bitmaps and memory device contexts -------------------------------------------
// Core: core/GdiObjects.cpp (objects, stock objects), core/MemoryDc.cpp (memory device
// contexts), core/GdiBitmaps.cpp (bitmap files, DIB sections, rows), core/GdiDraw.cpp,
// core/BitFieldBitmap.cpp. Backend: other bitmap files (sdl/BitmapFiles.cpp).

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};

struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

#define BI_RGB 0L
#define DIB_RGB_COLORS 0
#define IMAGE_BITMAP 0
#define LR_LOADFROMFILE 0x00000010
#define LOGPIXELSX 88
#define LOGPIXELSY 90
#define WHITE_BRUSH 0
// Backends only.
#define BITSPIXEL 12
#define PLANES 14
#define NULL_BRUSH 5

// Bitmap files at their own size; backslashes in the path are separators.
HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);
int GetObjectA(HANDLE object, int size, LPVOID buffer);
HGDIOBJ GetStockObject(int index);
// Bitmaps, brushes and palettes; not while selected into a device context.
BOOL DeleteObject(HGDIOBJ object);
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
// Selects bitmaps into memory device contexts.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
int GetDeviceCaps(HDC dc, int index);
// Rows come out 24-bit, bottom-up, padded to 4 bytes.
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info,
              UINT usage);
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);

// ---- The picture loader ------------------------------------------------------------------------
// Core: core/PictureLoader.cpp (telling formats apart), core/PictureObject.cpp (the picture
// and Render), decoders core/PictureGif.cpp, core/PictureIcon.cpp. Optional decoders a backend
// links or not: codecs/PicturePng.cpp (libpng), codecs/PictureJpeg.cpp (libjpeg); without one
// that format is refused. Backend: the decoders it links (sdl/PictureCodecs.cpp), bitmap files.

typedef WCHAR OLECHAR;
typedef OLECHAR* LPOLESTR;
typedef DWORD OLE_COLOR;
typedef LONG OLE_XPOS_HIMETRIC;
typedef LONG OLE_YPOS_HIMETRIC;
typedef LONG OLE_XSIZE_HIMETRIC;
typedef LONG OLE_YSIZE_HIMETRIC;

// Result codes. HRESULT is 32 bits on Windows: failures are negative.
#define S_OK ((HRESULT)0)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#define E_FAIL ((HRESULT)(LONG)0x80004005)               // tests only
#define CTL_E_INVALIDPICTURE ((HRESULT)(LONG)0x800A01E1) // tests only
// Backends only.
#define E_NOINTERFACE ((HRESULT)(LONG)0x80004002)
#define E_POINTER ((HRESULT)(LONG)0x80004003)
#define E_INVALIDARG ((HRESULT)(LONG)0x80070057)
#define STG_E_FILENOTFOUND ((HRESULT)(LONG)0x80030002)
#define MK_E_SYNTAX ((HRESULT)(LONG)0x800401E4)

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
};
typedef GUID IID;
typedef const IID& REFIID;
extern const IID IID_IPicture;
extern const IID IID_IPictureDisp;
// Backends only.
extern const IID IID_IUnknown;
bool IsEqualGUID(const GUID& a, const GUID& b);
#define IsEqualIID(a, b) IsEqualGUID(a, b)

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

  protected:
    ~IUnknown() = default; // objects go away through Release
};
typedef IUnknown* LPUNKNOWN;

// The automation face of a picture; only its IUnknown part is used.
struct IPictureDisp : IUnknown {
  protected:
    ~IPictureDisp() = default;
};

#define PICTYPE_BITMAP 1
#define PICTYPE_ICON 3 // tests only

// The picture operations the readers use. Sizes are in HIMETRIC (0.01 mm), y growing upwards.
struct IPicture : IUnknown {
    virtual HRESULT get_Type(SHORT* type) = 0;
    virtual HRESULT get_Width(OLE_XSIZE_HIMETRIC* width) = 0;
    virtual HRESULT get_Height(OLE_YSIZE_HIMETRIC* height) = 0;
    // Draws the source rectangle (HIMETRIC) into the destination rectangle (device units) of
    // the bitmap selected into a memory device context, over what is there.
    virtual HRESULT Render(HDC dc, LONG x, LONG y, LONG cx, LONG cy, OLE_XPOS_HIMETRIC xSrc,
                           OLE_YPOS_HIMETRIC ySrc, OLE_XSIZE_HIMETRIC cxSrc,
                           OLE_YSIZE_HIMETRIC cySrc, LPCRECT bounds) = 0;

  protected:
    ~IPicture() = default;
};

// Opens BMP, PNG, JPEG, GIF, ICO and CUR files, told apart by their first bytes. Only a full
// path names a file.
HRESULT OleLoadPicturePath(LPOLESTR path, LPUNKNOWN caller, DWORD reserved, OLE_COLOR colour,
                           REFIID iid, LPVOID* object);

// ---- Numbers, text and the working directory ---------------------------------------------------
// Core: core/Kernel.cpp. The ANSI code page is UTF-8.

#define MAX_PATH 260
#define CP_ACP 0
#define CP_UTF8 65001                   // tests only
#define MB_ERR_INVALID_CHARS 0x00000008 // tests only
// Backends only.
#define CP_OEMCP 1
#define CP_THREAD_ACP 3

// Rounded half away from zero; -1 when the result does not fit or the denominator is 0.
int MulDiv(int number, int numerator, int denominator);
DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer);
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int bytes, LPWSTR wide,
                        int wideSize);

#endif // _WIN32

// ---- OpenGL 1.1, GLU and the extension declarations, as the backend chooses them --------------
#include "platform/OpenGL.h"
