// Letters follow the layout, as on Windows; every other key follows its physical position.
// The keypad reads as Windows reads it for the Num Lock state, which the page sees in what
// the key produced: a digit or a point with Num Lock on, a navigation key with it off.
#include "platform/web/KeyMap.h"

#include "platform/Win32.h"

#include <iterator>

namespace win32 {

namespace {
struct Named {
    std::string_view code;
    int vk;
};

constexpr Named kPhysical[] = {
    {"Backspace", VK_BACK},
    {"Tab", VK_TAB},
    {"Enter", VK_RETURN},
    {"ShiftLeft", VK_SHIFT},
    {"ShiftRight", VK_SHIFT},
    {"ControlLeft", VK_CONTROL},
    {"ControlRight", VK_CONTROL},
    {"AltLeft", VK_MENU},
    {"AltRight", VK_MENU},
    {"Pause", VK_PAUSE},
    {"CapsLock", VK_CAPITAL},
    {"Escape", VK_ESCAPE},
    {"Space", VK_SPACE},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
    {"End", VK_END},
    {"Home", VK_HOME},
    {"ArrowLeft", VK_LEFT},
    {"ArrowUp", VK_UP},
    {"ArrowRight", VK_RIGHT},
    {"ArrowDown", VK_DOWN},
    {"Insert", VK_INSERT},
    {"Delete", VK_DELETE},
    {"NumLock", VK_NUMLOCK},
    {"ScrollLock", VK_SCROLL},
    {"Semicolon", 0xBA},
    {"Equal", 0xBB},
    {"Comma", 0xBC},
    {"Minus", 0xBD},
    {"Period", 0xBE},
    {"Slash", 0xBF},
    {"Backquote", 0xC0},
    {"BracketLeft", 0xDB},
    {"Backslash", 0xDC},
    {"BracketRight", 0xDD},
    {"Quote", 0xDE},
    {"NumpadMultiply", VK_MULTIPLY},
    {"NumpadAdd", VK_ADD},
    {"NumpadSubtract", VK_SUBTRACT},
    {"NumpadDivide", VK_DIVIDE},
    {"NumpadEnter", VK_RETURN},
};

// The keypad's digits and point: with Num Lock on, and with it off (the keys printed under
// the digits).
struct Keypad {
    std::string_view code;
    int numLockOn;
    int numLockOff;
};

constexpr Keypad kKeypad[] = {
    {"Numpad0", VK_NUMPAD0 + 0, VK_INSERT},   {"Numpad1", VK_NUMPAD0 + 1, VK_END},
    {"Numpad2", VK_NUMPAD0 + 2, VK_DOWN},     {"Numpad3", VK_NUMPAD0 + 3, VK_NEXT},
    {"Numpad4", VK_NUMPAD0 + 4, VK_LEFT},     {"Numpad5", VK_NUMPAD0 + 5, VK_CLEAR},
    {"Numpad6", VK_NUMPAD0 + 6, VK_RIGHT},    {"Numpad7", VK_NUMPAD0 + 7, VK_HOME},
    {"Numpad8", VK_NUMPAD0 + 8, VK_UP},       {"Numpad9", VK_NUMPAD0 + 9, VK_PRIOR},
    {"NumpadDecimal", VK_DECIMAL, VK_DELETE},
};

bool IsDigitOrPoint(std::string_view key) {
    return key.size() == 1 && ((key[0] >= '0' && key[0] <= '9') || key[0] == '.' || key[0] == ',');
}

// "KeyA".."KeyZ", "Digit0".."Digit9", "F1".."F12": the position's own code.
int FromNumberedCode(std::string_view code) {
    if (code.size() == 4 && code.substr(0, 3) == "Key" && code[3] >= 'A' && code[3] <= 'Z')
        return code[3];
    if (code.size() == 6 && code.substr(0, 5) == "Digit" && code[5] >= '0' && code[5] <= '9')
        return code[5];
    if ((code.size() == 2 || code.size() == 3) && code[0] == 'F') {
        int n = 0;
        for (char c : code.substr(1)) {
            if (c < '0' || c > '9')
                return 0;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 12)
            return VK_F1 + n - 1;
    }
    return 0;
}
} // namespace

int VirtualKeyFromDom(std::string_view code, std::string_view key) {
    for (const Keypad& k : kKeypad)
        if (k.code == code)
            return IsDigitOrPoint(key) ? k.numLockOn : k.numLockOff;
    if (key.size() == 1 && ((key[0] >= 'a' && key[0] <= 'z') || (key[0] >= 'A' && key[0] <= 'Z')))
        return key[0] & ~0x20;
    if (int vk = FromNumberedCode(code))
        return vk;
    for (const Named& n : kPhysical)
        if (n.code == code)
            return n.vk;
    return 0;
}

} // namespace win32
