// Input from the page: the DOM events of the frames, as the page's script hands them over
// between frames, waiting for the message queue to turn them into window messages.
#pragma once

#include <deque>

namespace win32 {

struct PageEvent {
    enum class Type { KeyDown, KeyUp, ButtonDown, ButtonUp, MouseMove, Close };
    Type type = Type::Close;
    int frame = 0;       // for the mouse, the frame under the pointer (0: none)
    int virtualKey = 0;  // keys
    bool repeat = false; // a key down while the key is held
    int button = 0;      // 0 left, 1 middle, 2 right
    int x = 0, y = 0;    // the pointer on the desk, in CSS pixels from its top-left corner
    bool left = false, middle = false, right = false; // buttons held after the event
    bool shift = false, control = false, alt = false;
};

// Oldest first. Created on first use and never destroyed.
std::deque<PageEvent>& PendingPageEvents();

// Where a mouse event lands when it is taken from the queue, as on Windows: in the frame that
// holds the mouse (captureFrame, 0 for none), else in the frame under the pointer; and where
// in that frame's canvas, in pixels from its top-left corner (outside it while captured).
struct MouseHit {
    int frame = 0; // 0: no frame
    int x = 0, y = 0;
};
MouseHit LocateMouse(const PageEvent& e, int captureFrame);

} // namespace win32
