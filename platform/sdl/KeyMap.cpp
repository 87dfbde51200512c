// SDL keys to Windows virtual-key codes. Letters and digits follow the key's symbol, as on
// Windows; the keypad follows the physical key and the Num Lock state, so it reads the same
// whatever the keyboard layout makes of it.
#include "platform/sdl/Internal.h"

namespace win32 {

namespace {
int FromScancode(SDL_Scancode sc) {
    switch (sc) {
    case SDL_SCANCODE_KP_0:
        return 0x60;
    case SDL_SCANCODE_KP_1:
        return 0x61;
    case SDL_SCANCODE_KP_2:
        return 0x62;
    case SDL_SCANCODE_KP_3:
        return 0x63;
    case SDL_SCANCODE_KP_4:
        return 0x64;
    case SDL_SCANCODE_KP_5:
        return 0x65;
    case SDL_SCANCODE_KP_6:
        return 0x66;
    case SDL_SCANCODE_KP_7:
        return 0x67;
    case SDL_SCANCODE_KP_8:
        return 0x68;
    case SDL_SCANCODE_KP_9:
        return 0x69;
    case SDL_SCANCODE_KP_MULTIPLY:
        return VK_MULTIPLY;
    case SDL_SCANCODE_KP_PLUS:
        return VK_ADD;
    case SDL_SCANCODE_KP_MINUS:
        return VK_SUBTRACT;
    case SDL_SCANCODE_KP_PERIOD:
        return VK_DECIMAL;
    case SDL_SCANCODE_KP_DIVIDE:
        return VK_DIVIDE;
    case SDL_SCANCODE_KP_ENTER:
        return VK_RETURN;
    default:
        return 0;
    }
}
// With Num Lock off the digit and period keys of the keypad are the navigation keys printed
// under their digits; the operators and Enter do not change.
int FromScancodeNumLockOff(SDL_Scancode sc) {
    switch (sc) {
    case SDL_SCANCODE_KP_0:
        return VK_INSERT;
    case SDL_SCANCODE_KP_1:
        return VK_END;
    case SDL_SCANCODE_KP_2:
        return VK_DOWN;
    case SDL_SCANCODE_KP_3:
        return VK_NEXT;
    case SDL_SCANCODE_KP_4:
        return VK_LEFT;
    case SDL_SCANCODE_KP_5:
        return VK_CLEAR;
    case SDL_SCANCODE_KP_6:
        return VK_RIGHT;
    case SDL_SCANCODE_KP_7:
        return VK_HOME;
    case SDL_SCANCODE_KP_8:
        return VK_UP;
    case SDL_SCANCODE_KP_9:
        return VK_PRIOR;
    case SDL_SCANCODE_KP_PERIOD:
        return VK_DELETE;
    default:
        return FromScancode(sc);
    }
}
} // namespace

int VirtualKeyFromSdl(const SDL_Keysym& key) {
    const bool numLock = (key.mod & KMOD_NUM) != 0;
    if (int vk = numLock ? FromScancode(key.scancode) : FromScancodeNumLockOff(key.scancode))
        return vk;
    return VirtualKeyFromSdl(key.sym);
}

int VirtualKeyFromSdl(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return 0x41 + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return 0x30 + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return VK_F1 + (key - SDLK_F1);
    // Keypad keycodes are their scancodes with a marker bit; no keymap is needed to read them.
    if (key & SDLK_SCANCODE_MASK)
        if (int vk = FromScancode(static_cast<SDL_Scancode>(key & ~SDLK_SCANCODE_MASK)))
            return vk;
    switch (key) {
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_RETURN:
        return VK_RETURN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
        return VK_MENU;
    case SDLK_PAUSE:
        return VK_PAUSE;
    case SDLK_CAPSLOCK:
        return VK_CAPITAL;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_PAGEUP:
        return VK_PRIOR;
    case SDLK_PAGEDOWN:
        return VK_NEXT;
    case SDLK_END:
        return VK_END;
    case SDLK_HOME:
        return VK_HOME;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_INSERT:
        return VK_INSERT;
    case SDLK_DELETE:
        return VK_DELETE;
    case SDLK_NUMLOCKCLEAR:
        return VK_NUMLOCK;
    case SDLK_SCROLLLOCK:
        return VK_SCROLL;
    case SDLK_SEMICOLON:
        return 0xBA;
    case SDLK_EQUALS:
        return 0xBB;
    case SDLK_COMMA:
        return 0xBC;
    case SDLK_MINUS:
        return 0xBD;
    case SDLK_PERIOD:
        return 0xBE;
    case SDLK_SLASH:
        return 0xBF;
    case SDLK_BACKQUOTE:
        return 0xC0;
    case SDLK_LEFTBRACKET:
        return 0xDB;
    case SDLK_BACKSLASH:
        return 0xDC;
    case SDLK_RIGHTBRACKET:
        return 0xDD;
    case SDLK_QUOTE:
        return 0xDE;
    default:
        return 0;
    }
}

} // namespace win32
