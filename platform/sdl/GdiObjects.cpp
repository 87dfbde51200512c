// Deleting GDI objects: palettes, bitmaps and brushes; stock objects stay.
#include "platform/sdl/Internal.h"

using namespace win32sdl;

BOOL DeleteObject(HGDIOBJ object) {
    Object* o = FindObject(object);
    if (!o || o->stock)
        return FALSE;
    if (o->kind != Kind::Palette && o->kind != Kind::Bitmap && o->kind != Kind::Brush)
        return FALSE;
    RemoveObject(object);
    return TRUE;
}
