// What a picture file's headers say, read before the file goes to one of the platform's
// loaders: the system's own loaders believe a header, allocating what it claims and reading
// what it states.
#pragma once

// Whether every picture the file's headers describe fits the pixel budget at 4 bytes a pixel,
// the most a loader keeps of one, and, for a bitmap, whether the file holds its headers and
// the pixel data they state. Bitmaps, PNG, JPEG, GIF, icons and cursors are looked at; files
// of other kinds and files that cannot be read pass, for the loader to refuse (or, for
// metafiles, to be bounded when they are drawn into a bitmap of the budget's size).
bool PictureHeaderFits(const char* name);
