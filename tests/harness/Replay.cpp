#include "tests/harness/Replay.h"

#include "game/LanderApp.h"

#include <cstdio>

namespace {
// The most problems kept: a run that goes wrong early would otherwise report every frame.
constexpr size_t kMostProblems = 20;

Replay* current = nullptr;
WNDPROC gameProc = nullptr; // the framework's window procedure, which the pacing hands on to

void ObserveSwap(HWND window) {
    if (current)
        current->OnSwap(window);
}

LRESULT CALLBACK PacedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && current && !current->PaintInTurn(window)) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    return gameProc(window, message, wParam, lParam);
}

LPARAM KeyLParam(bool down) {
    // Repeat count 1; a release also has the previous-state and transition bits.
    return down ? 1 : static_cast<LPARAM>(1u | (1u << 30) | (1u << 31));
}
} // namespace

Replay::Replay(const Script& script, LanderApp& app, const std::string& folder)
    : script(script), app(app), folder(folder) {}

Replay::~Replay() {
    if (current == this)
        Finish();
}

void Replay::Start() {
    current = this;
    SetSwapObserver(ObserveSwap);
}

void Replay::Finish() {
    if (current != this)
        return;
    SetSwapObserver(nullptr);
    current = nullptr;
    if (next < script.actions.size())
        Problem("the game ended after frame " + std::to_string(framesDrawn) +
                ", before the script's frame " + std::to_string(script.actions[next].frame));
}

void Replay::OnSwap(HWND window) {
    const GLWindowExtra* main = app.mainWindow.extra;
    const GLWindowExtra* cam = app.camWindow.extra;
    // Each window swaps first as it is created, before any paint.
    if ((main && window == main->window && main->inOnCreate) ||
        (cam && window == cam->window && cam->inOnCreate))
        Pace(window);
    if (main && window == main->window) {
        // The main view's creation shows black once; what the script does "after frame 0"
        // happens there, before the first drawn frame.
        if (main->inOnCreate)
            Deliver(0);
        else
            OnMainFrame();
    } else if (cam && window == cam->window && !cam->inOnCreate) {
        OnCamFrame();
    }
}

bool Replay::PaintInTurn(HWND window) {
    // A window that drew last draws again only after the other, unless the other is hidden.
    const GLWindowExtra* main = app.mainWindow.extra;
    const GLWindowExtra* cam = app.camWindow.extra;
    HWND other = main && window == main->window ? (cam ? cam->window : nullptr)
                                                : (main ? main->window : nullptr);
    if (window != lastDrawn || !other || !IsWindowVisible(other))
        return true;
    ++paintsLeftOut;
    return false;
}

void Replay::Pace(HWND window) {
    const auto paced = reinterpret_cast<LONG_PTR>(&PacedWindowProc);
    const LONG_PTR previous = SetWindowLongPtrA(window, GWLP_WNDPROC, paced);
    if (!previous)
        Problem("a window's procedure cannot be replaced: paints out of turn stay in");
    else if (previous != paced)
        gameProc = reinterpret_cast<WNDPROC>(previous);
}

void Replay::OnMainFrame() {
    lastDrawn = app.mainWindow.extra->window;
    ++framesDrawn;
    // Each pass of the loop paints the camera window, then the main view, and the pacing keeps
    // it so. Another count means a paint slipped through, and the pictures would not repeat.
    if (camFrames != 1)
        Problem("frame " + std::to_string(framesDrawn) + ": the camera window drew " +
                std::to_string(camFrames) + " times since the main view's last frame");
    camFrames = 0;
    if (SaveWanted(framesDrawn)) {
        Picture picture;
        if (ReadBack(*app.mainWindow.extra, picture))
            Save("main", framesDrawn, picture);
        if (camPictureFrame == framesDrawn)
            Save("cam", framesDrawn, camPicture);
        else
            Problem("frame " + std::to_string(framesDrawn) + ": no camera picture to save");
    }
    Deliver(framesDrawn);
}

void Replay::OnCamFrame() {
    lastDrawn = app.camWindow.extra->window;
    ++camFrames;
    const int frame = framesDrawn + 1; // the main view draws this frame next
    if (camFrames == 1 && SaveWanted(frame) && ReadBack(*app.camWindow.extra, camPicture))
        camPictureFrame = frame;
}

void Replay::Deliver(int frame) {
    for (; next < script.actions.size() && script.actions[next].frame <= frame; ++next) {
        const ScriptAction& action = script.actions[next];
        switch (action.kind) {
        case ScriptAction::KeyDown:
        case ScriptAction::KeyUp:
            PostKey(action);
            break;
        case ScriptAction::Save:
            break; // done as the frame was drawn
        case ScriptAction::End:
            // As if the user closed the main view: the loop ends with the quit message.
            PostMessageA(app.mainWindow.extra->window, WM_CLOSE, 0, 0);
            break;
        }
    }
}

void Replay::PostKey(const ScriptAction& action) {
    const GLWindow& target = action.window == ScriptWindow::Main
                                 ? static_cast<const GLWindow&>(app.mainWindow)
                                 : static_cast<const GLWindow&>(app.camWindow);
    const bool down = action.kind == ScriptAction::KeyDown;
    // Posted messages come before painting, so the key takes effect in the next frame.
    if (!PostMessageA(target.extra->window, down ? WM_KEYDOWN : WM_KEYUP,
                      static_cast<WPARAM>(action.key), KeyLParam(down)))
        Problem("frame " + std::to_string(action.frame) + ": a key could not be posted");
}

bool Replay::SaveWanted(int frame) const {
    for (size_t i = next; i < script.actions.size() && script.actions[i].frame <= frame; ++i) {
        if (script.actions[i].frame == frame && script.actions[i].kind == ScriptAction::Save)
            return true;
    }
    return false;
}

bool Replay::ReadBack(const GLWindowExtra& record, Picture& picture) {
    RECT client;
    if (wglGetCurrentDC() != record.deviceContext) {
        Problem("frame " + std::to_string(framesDrawn) + ": a window swapped without its context");
        return false;
    }
    if (!GetClientRect(record.window, &client) || client.right <= 0 || client.bottom <= 0) {
        Problem("frame " + std::to_string(framesDrawn) + ": a window has no client area");
        return false;
    }
    const int width = client.right, height = client.bottom;
    // Rows are padded to the pack alignment in force; the game's own state is left alone.
    GLint alignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    const int stride = (width * 4 + alignment - 1) / alignment * alignment;
    std::vector<unsigned char> rgba(static_cast<size_t>(stride) * height);
    // RGBA bytes are the one read-back format every OpenGL and OpenGL ES offers.
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    picture = PictureFromGl(width, height, rgba, stride);
    return true;
}

void Replay::Save(const char* name, int frame, const Picture& picture) {
    char file[32];
    std::snprintf(file, sizeof file, "%s-%04d.ppm", name, frame);
    if (!WritePpm(folder + "/" + file, picture))
        Problem(std::string("could not write ") + folder + "/" + file);
}

void Replay::Problem(const std::string& text) {
    if (problems.size() < kMostProblems)
        problems.push_back(text);
}
