// GDI bitmaps and the OLE picture loader, as the image readers use them.
#pragma once
#include "platform/sdl/Win32Api.h"
