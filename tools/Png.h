// Saving a picture with transparency as PNG, for the desktop's icon.
#pragma once

#include "tools/Supersample.h"

#include <string>

// Writes an 8-bit RGBA PNG; false when the file cannot be written. The image data is stored
// without compression: the package that ships it compresses it anyway.
bool WritePng(const std::string& path, const CoveredCanvas& picture);
