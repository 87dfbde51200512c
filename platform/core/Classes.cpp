// Window classes, found by name (case-insensitively) or by atom, and the module handle.
#include "platform/core/Core.h"

#include <cctype>

namespace win32 {

namespace {
bool IsIntResource(LPCSTR name) {
    return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0;
}

std::string Lower(const char* text) {
    std::string s(text);
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}
} // namespace

WindowClass* FindClass(LPCSTR name) {
    State& s = GetState();
    if (!name)
        return nullptr;
    if (IsIntResource(name)) {
        ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
        for (auto& entry : s.classes)
            if (entry.second.atom == atom)
                return &entry.second;
        return nullptr;
    }
    auto it = s.classes.find(Lower(name));
    return it == s.classes.end() ? nullptr : &it->second;
}

} // namespace win32

using namespace win32;

HMODULE GetModuleHandleA(LPCSTR name) {
    if (name)
        return nullptr;
    return reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x400000));
}

ATOM RegisterClassA(const WNDCLASSA* wc) {
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc || IsIntResource(wc->lpszClassName))
        return 0;
    State& s = GetState();
    std::string key = Lower(wc->lpszClassName);
    if (s.classes.count(key))
        return 0;
    WindowClass& c = s.classes[key];
    c.atom = s.nextAtom++;
    c.name = wc->lpszClassName;
    c.wc = *wc;
    if (wc->lpszMenuName && !IsIntResource(wc->lpszMenuName))
        c.menuName = wc->lpszMenuName;
    c.wc.lpszMenuName = nullptr;
    c.wc.lpszClassName = nullptr;
    return c.atom;
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
    WindowClass* c = FindClass(className);
    if (!c)
        return FALSE;
    State& s = GetState();
    for (HWND h : s.windows)
        if (Window* w = FindWindow(h); w && Lower(w->className.c_str()) == Lower(c->name.c_str()))
            return FALSE; // the class still has windows
    s.classes.erase(Lower(c->name.c_str()));
    return TRUE;
}
