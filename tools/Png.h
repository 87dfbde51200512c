// Saving a picture with transparency as PNG, for the desktop's icon.
#pragma once

#include "tools/Supersample.h"

#include <string>

// Writes an 8-bit RGBA PNG through libpng; false when the file cannot be written.
bool WritePng(const std::string& path, const CoveredCanvas& picture);
