// moonhop_harness: plays the real game from a script, frame by frame, and saves what both
// windows show at the frames the script names. Two runs of one script save the same bytes.
//
// Usage: moonhop_harness SCRIPT OUTPUT-FOLDER
//   Run it in the folder that holds the game's pictures, as the game itself is. It writes
//   main-NNNN.ppm and cam-NNNN.ppm (binary PPM, rows top-down as on screen) for every saved
//   frame NNNN into OUTPUT-FOLDER, which it creates if needed.
//   Exit status: 0 the script ran as written; 1 it did not (each problem on standard error);
//   2 bad usage or a bad script; 77 no window can be opened here (no display).
//
// Script: plain text, one line each; '#' starts a comment, blank lines are ignored.
//   clock SECONDS             the calendar time the game reads as it starts, which seeds its
//                             random generator and so shapes the moon (exactly once)
//   FRAME key WINDOW KEY [N]  press and release KEY in WINDOW, N times (default once)
//   FRAME down WINDOW KEY     press KEY only
//   FRAME up WINDOW KEY       release KEY only
//   FRAME save                save both windows' pictures of frame FRAME
//   FRAME end                 close the main view after frame FRAME, which ends the game (last)
// FRAME counts the main view's drawn frames from 1; the camera window draws its frame N just
// before the main view's. Keys at FRAME reach the game after frame FRAME is drawn and before
// frame FRAME + 1, so they first show in frame FRAME + 1; at 0 they come before the first frame.
// Frames never go back from one line to the next. WINDOW is main or cam. KEY is a letter or a
// digit, Space, Shift, PageUp, PageDown, Left, Up, Right, Down, F1 to F12, Numpad0 to Numpad9,
// or a virtual-key code as 0xNN. Keys go the way real ones go: posted to the window as
// WM_KEYDOWN and WM_KEYUP.
//
// How it works: the game's one application object is built here, after the script is read, so
// that the clock the script gives stands in for the C library's. The platform calls the harness
// just before each window's buffer swap, with that window's context current; the harness reads
// the back buffer there, and posts the keys that follow the main view's frame there. The windows
// draw in turn, camera window then main view, once each per frame: a paint the platform adds
// out of turn (an exposure that comes late, as after a resize) is left out, since when it comes
// depends on the display server's timing.
#include "framework/Main.h"
#include "game/LanderApp.h"
#include "tests/harness/FixedClock.h"
#include "tests/harness/Replay.h"
#include "tests/harness/Script.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {
constexpr int kSkipped = 77;

bool ReadScript(const char* path, Script& script) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "moonhop_harness: cannot read %s\n", path);
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string error;
    if (!ParseScript(text.str(), script, error)) {
        std::fprintf(stderr, "moonhop_harness: %s: %s\n", path, error.c_str());
        return false;
    }
    return true;
}

// Without a display the game's windows fail and its loop would run for ever with nothing to
// draw; one window of the framework's class shows whether windows can be made at all.
bool CanOpenWindows() {
    GLAppHost* host = GLAppHost::Instance();
    HWND probe = CreateWindowExA(0, "GLAppWnd", "", WS_OVERLAPPEDWINDOW, 0, 0, 1, 1, nullptr,
                                 nullptr, host->InstanceHandle(), nullptr);
    if (!probe)
        return false;
    DestroyWindow(probe);
    return true;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: moonhop_harness SCRIPT OUTPUT-FOLDER\n");
        return 2;
    }
    Script script;
    if (!ReadScript(argv[1], script))
        return 2;
    std::error_code failure;
    std::filesystem::create_directories(argv[2], failure);
    if (failure) {
        std::fprintf(stderr, "moonhop_harness: cannot make %s: %s\n", argv[2],
                     failure.message().c_str());
        return 2;
    }

    SetFixedClock(static_cast<time_t>(script.clock));
    auto game = std::make_unique<LanderApp>();
    if (!CanOpenWindows()) {
        std::fprintf(stderr, "moonhop_harness: no window can be opened here: skipped\n");
        return kSkipped;
    }
    Replay player(script, *game, argv[2]);
    player.Start();
    GLAppHost* host = GLAppHost::Instance();
    host->consoleMode = true;
    const int code = host->Run(argc, argv);
    player.Finish();
    // As in the program, the game goes before the host, whose exit handler deletes it later.
    game.reset();

    for (const std::string& problem : player.Problems())
        std::fprintf(stderr, "moonhop_harness: %s\n", problem.c_str());
    if (!player.Problems().empty())
        return 1;
    std::printf("%d frames drawn, %d paints out of turn left out\n", player.FramesDrawn(),
                player.PaintsLeftOut());
    return code;
}
