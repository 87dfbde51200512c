// How the OLE picture reader names a file to the picture loader.
#pragma once

#include <string>

// The full path for a file name: the name itself when it starts with a drive letter and a
// colon or a slash, or holds a backslash; otherwise the working directory, a backslash and the
// name.
// False when there is no name, no working directory, or the path would pass 260 characters.
bool FullPicturePath(const char* name, std::string& path);
