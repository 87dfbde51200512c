// The page's keys (DOM code and key) become the virtual-key codes the desktop delivers.
#include "platform/web/KeyMap.h"

#include "platform/Win32.h"

#include <gtest/gtest.h>

namespace {
struct Case {
    const char* code;
    const char* key;
    int vk;
};

// Letters follow the layout; digits, punctuation, function and navigation keys their
// position; the keypad its position and the Num Lock state its key shows.
const Case kCases[] = {
    {"KeyA", "a", 0x41},
    {"KeyZ", "Z", 0x5A},
    {"KeyQ", "a", 0x41},        // a French layout's A
    {"Semicolon", "m", 0x4D},   // and its M
    {"KeyA", "\xD1\x84", 0x41}, // a Cyrillic letter: the key's Latin letter
    {"Digit0", "0", 0x30},
    {"Digit1", "!", 0x31},        // with Shift
    {"Digit7", "\xC3\xA8", 0x37}, // a French layout's 7
    {"Space", " ", VK_SPACE},
    {"ShiftLeft", "Shift", VK_SHIFT},
    {"ShiftRight", "Shift", VK_SHIFT},
    {"ControlRight", "Control", VK_CONTROL},
    {"AltLeft", "Alt", VK_MENU},
    {"PageUp", "PageUp", VK_PRIOR},
    {"PageDown", "PageDown", VK_NEXT},
    {"ArrowLeft", "ArrowLeft", VK_LEFT},
    {"ArrowUp", "ArrowUp", VK_UP},
    {"ArrowRight", "ArrowRight", VK_RIGHT},
    {"ArrowDown", "ArrowDown", VK_DOWN},
    {"Enter", "Enter", VK_RETURN},
    {"Escape", "Escape", VK_ESCAPE},
    {"F1", "F1", VK_F1},
    {"F10", "F10", VK_F10},
    {"F12", "F12", VK_F12},
    {"Numpad0", "0", 0x60},
    {"Numpad0", "Insert", VK_INSERT},
    {"Numpad1", "1", 0x61},
    {"Numpad1", "End", VK_END},
    {"Numpad2", "ArrowDown", VK_DOWN},
    {"Numpad3", "PageDown", VK_NEXT},
    {"Numpad4", "ArrowLeft", VK_LEFT},
    {"Numpad5", "5", 0x65},
    {"Numpad5", "Clear", VK_CLEAR},
    {"Numpad6", "ArrowRight", VK_RIGHT},
    {"Numpad7", "Home", VK_HOME},
    {"Numpad8", "ArrowUp", VK_UP},
    {"Numpad9", "9", 0x69},
    {"Numpad9", "PageUp", VK_PRIOR},
    {"NumpadDecimal", ".", VK_DECIMAL},
    {"NumpadDecimal", ",", VK_DECIMAL}, // a layout with a decimal comma
    {"NumpadDecimal", "Delete", VK_DELETE},
    {"NumpadMultiply", "*", VK_MULTIPLY},
    {"NumpadAdd", "+", VK_ADD},
    {"NumpadSubtract", "-", VK_SUBTRACT},
    {"NumpadDivide", "/", VK_DIVIDE},
    {"NumpadEnter", "Enter", VK_RETURN},
    {"Minus", "-", 0xBD},
    {"Quote", "'", 0xDE},
    // Nothing to deliver.
    {"F13", "F13", 0},
    {"F0", "F0", 0},
    {"F1x", "F1", 0},
    {"Key", "", 0},
    {"Digit", "", 0},
    {"MetaLeft", "Meta", 0},
    {"Unidentified", "Unidentified", 0},
    {"", "", 0},
};
} // namespace

TEST(WebKeyMap, DomKeysBecomeWindowsVirtualKeys) {
    for (const Case& c : kCases)
        EXPECT_EQ(win32::VirtualKeyFromDom(c.code, c.key), c.vk)
            << "code \"" << c.code << "\", key \"" << c.key << "\"";
}
