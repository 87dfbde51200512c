// GDI bitmaps and the OLE picture loader, as the image readers use them: the Windows types,
// constants (with their Windows values) and calls of that subset.
#pragma once
#include "platform/sdl/Win32Api.h"

typedef short SHORT;
typedef unsigned int ULONG;
typedef WCHAR OLECHAR;
typedef OLECHAR* LPOLESTR;
typedef DWORD OLE_COLOR;
typedef LONG OLE_XPOS_HIMETRIC;
typedef LONG OLE_YPOS_HIMETRIC;
typedef LONG OLE_XSIZE_HIMETRIC;
typedef LONG OLE_YSIZE_HIMETRIC;

#define MAX_PATH 260

// Bitmaps and device-independent bitmaps.
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
#define LR_DEFAULTCOLOR 0x00000000
#define LR_LOADFROMFILE 0x00000010

// Device capabilities.
#define PLANES 14
#define BITSPIXEL 12
#define LOGPIXELSX 88
#define LOGPIXELSY 90

// Stock objects.
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5

// Code pages.
#define CP_ACP 0
#define CP_OEMCP 1
#define CP_THREAD_ACP 3
#define CP_UTF8 65001
#define MB_ERR_INVALID_CHARS 0x00000008

// Result codes. HRESULT is 32 bits on Windows: failures are negative.
#define S_OK ((HRESULT)0)
#define E_NOTIMPL ((HRESULT)(LONG)0x80004001)
#define E_NOINTERFACE ((HRESULT)(LONG)0x80004002)
#define E_POINTER ((HRESULT)(LONG)0x80004003)
#define E_FAIL ((HRESULT)(LONG)0x80004005)
#define E_OUTOFMEMORY ((HRESULT)(LONG)0x8007000E)
#define E_INVALIDARG ((HRESULT)(LONG)0x80070057)
#define STG_E_FILENOTFOUND ((HRESULT)(LONG)0x80030002)
#define CTL_E_INVALIDPICTURE ((HRESULT)(LONG)0x800A01E1)
#define MK_E_SYNTAX ((HRESULT)(LONG)0x800401E4)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

// Interfaces.
struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
};
typedef GUID IID;
typedef const IID& REFIID;
bool IsEqualGUID(const GUID& a, const GUID& b);
#define IsEqualIID(a, b) IsEqualGUID(a, b)

extern const IID IID_IUnknown;
extern const IID IID_IPicture;
extern const IID IID_IPictureDisp;

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

#define PICTYPE_UNINITIALIZED (-1)
#define PICTYPE_NONE 0
#define PICTYPE_BITMAP 1
#define PICTYPE_METAFILE 2
#define PICTYPE_ICON 3
#define PICTYPE_ENHMETAFILE 4

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

// Calls. Paths take backslashes as separators. Handles are checked: a null, stale or foreign
// one makes the call fail.
HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags);
int GetObjectA(HANDLE object, int size, LPVOID buffer);
HGDIOBJ GetStockObject(int index);
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
int GetDeviceCaps(HDC dc, int index);
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, BITMAPINFO* info,
              UINT usage);
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int MulDiv(int number, int numerator, int denominator);

DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer);
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int bytes, LPWSTR wide,
                        int wideSize);

HRESULT OleLoadPicturePath(LPOLESTR path, LPUNKNOWN caller, DWORD reserved, OLE_COLOR colour,
                           REFIID iid, LPVOID* object);
