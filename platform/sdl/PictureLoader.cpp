// The OLE picture loader: any picture SDL2_image decodes. Icons and cursors are icons, vector
// pictures are metafiles, everything else is a bitmap.
#include "platform/sdl/PictureInternal.h"

#include <SDL_image.h>

using namespace win32sdl;

namespace {

SHORT TypeOf(SDL_RWops* file) {
    if (IMG_isICO(file) || IMG_isCUR(file))
        return PICTYPE_ICON;
    if (IMG_isSVG(file))
        return PICTYPE_ENHMETAFILE;
    return PICTYPE_BITMAP;
}

// The file's extension, which SDL2_image needs for the formats that carry no signature.
const char* Extension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return nullptr;
    return path.c_str() + dot + 1;
}

} // namespace

HRESULT OleLoadPicturePath(LPOLESTR path, LPUNKNOWN, DWORD, OLE_COLOR, REFIID iid, LPVOID* object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!path)
        return E_INVALIDARG;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IPictureDisp) &&
        !IsEqualIID(iid, IID_IPicture))
        return E_NOINTERFACE;
    const std::string local = NarrowPath(path);
    // As on Windows, only a full path names a file; anything else is taken for a URL.
    if (local.empty() || local[0] != '/')
        return MK_E_SYNTAX;
    SDL_RWops* file = SDL_RWFromFile(local.c_str(), "rb");
    if (!file)
        return STG_E_FILENOTFOUND;
    const SHORT type = TypeOf(file);
    SDL_Surface* rgba = nullptr;
    {
        const DecodeLimit limit;
        if (SDL_Surface* loaded = IMG_LoadTyped_RW(file, 1, Extension(local))) {
            SDL_SetSurfaceBlendMode(loaded, SDL_BLENDMODE_NONE);
            rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
            SDL_FreeSurface(loaded);
        }
    }
    if (!rgba)
        return CTL_E_INVALIDPICTURE;
    return NewPicture(rgba, type, iid, object);
}
