// Starting SDL's video on first need, on a driver that shows windows to someone, and saying
// why when there is none.
#include "platform/sdl/Internal.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace win32 {

namespace {

// SDL falls back to drivers that draw nowhere when no display opens; a program whose windows
// nobody can see must fail instead, as it would on a desktop without a display. They are still
// used when asked for by name (SDL_VIDEODRIVER).
bool ShowsWindows(const char* driver) {
    return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0 &&
           std::strcmp(driver, "evdev") != 0;
}

// Tries each driver that shows windows, in SDL's order of preference. On failure, reasons
// holds what each said.
bool InitVideo(std::string& reasons) {
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    if (chosen && *chosen) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
            return true;
        reasons = SDL_GetError();
        return false;
    }
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const char* driver = SDL_GetVideoDriver(i);
        if (!driver || !ShowsWindows(driver))
            continue;
        SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
            return true;
        reasons += reasons.empty() ? "" : ", ";
        reasons += SDL_GetError();
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, nullptr);
    if (reasons.empty())
        reasons = "no video driver";
    return false;
}

// The windows' own messages say only that they failed, so the reason goes to standard error.
void ReportDisplayFailure(const std::string& reasons) {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (display && *display)
        std::fprintf(stderr, "Cannot open the display \"%s\": %s\n", display, reasons.c_str());
    else if (wayland && *wayland)
        std::fprintf(stderr, "Cannot open the Wayland display \"%s\": %s\n", wayland,
                     reasons.c_str());
    else
        std::fprintf(stderr, "Cannot open a display (DISPLAY is not set): %s\n", reasons.c_str());
    std::fflush(stderr);
}

} // namespace

SdlState& GetSdlState() {
    // Never destroyed, as the core's state.
    static SdlState* state = new SdlState;
    return *state;
}

bool EnsureDisplay() {
    SdlState& s = GetSdlState();
    if (s.videoReady)
        return true;
    if (s.videoFailed)
        return false;
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    std::string reasons;
    if (!InitVideo(reasons)) {
        // Said once: later calls fail at once without trying again.
        s.videoFailed = true;
        ReportDisplayFailure(reasons);
        return false;
    }
    // Hold the OpenGL library for the whole process. SDL otherwise unloads it whenever the
    // last OpenGL window goes, and reloads it for the next one.
    SDL_GL_LoadLibrary(nullptr);
    s.videoReady = true;
    return true;
}

} // namespace win32
