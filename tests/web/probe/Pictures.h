// The browser's picture loaders, tried on small files of each kind the probe writes itself.
#pragma once

// Prints, one line each, whether the picture loader and the bitmap loader take each file.
void ReportPictures();
