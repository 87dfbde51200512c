// The page around the program: each window is a frame on it (a title bar with a close
// button over a canvas), and the program gives the browser its turn between frames here.
#pragma once

#include <string>

namespace win32 {

// Frames are named by ids the caller chooses. A new frame is hidden; x and y place its outer
// top-left corner on the page's desk, width and height size its canvas.
void CreateFrame(int id, const char* title, int x, int y, int width, int height);
void SetFrameTitle(int id, const char* title);
void PlaceFrame(int id, int x, int y, int width, int height);
void ShowFrame(int id, bool visible);
void DestroyFrame(int id);
// Keys go to the focused frame.
void FocusFrame(int id);
// The top-left corner of a frame's canvas on the desk (the page's screen, where frames are
// placed), in CSS pixels; false for no frame or a hidden one.
bool CanvasOrigin(int id, int& left, int& top);
// The pointer over the frames' canvases: the arrow, or none.
void ShowCursor(bool shown);

// Tells the page that a frame's canvas holds a finished frame, which it shows at the
// browser's next turn (the page times the first).
void FramePresented(int id);

// The CSS selector of a frame's canvas, which WebGL contexts are made on.
std::string CanvasSelector(int id);

// Gives the browser its turn: returns at its next animation frame, after it has presented
// what was drawn. While the runtime exits it returns at once.
void WaitForNextFrame();

} // namespace win32
