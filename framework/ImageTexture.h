// What texture creation asks of OpenGL, open to tests.
#pragma once

// The answer BgraSupported gives for the extension and version strings of an OpenGL
// implementation (either may be null).
bool BgraFromStrings(const char* extensions, const char* version);

// Sets the cached answer of BgraSupported as though OpenGL had been asked.
void SetBgraSupported(bool supported);
