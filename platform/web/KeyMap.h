// DOM keyboard events to Windows virtual-key codes: the codes the desktop backends deliver
// for the same keys.
#pragma once

#include <string_view>

namespace win32 {

// code is the event's physical key (KeyboardEvent.code), key what the layout and Num Lock
// made of it (KeyboardEvent.key). Returns 0 for a key that has no virtual-key code.
int VirtualKeyFromDom(std::string_view code, std::string_view key);

} // namespace win32
