// Plays a script against the running game. It sees every buffer swap of both windows: it counts
// the main view's frames, posts the script's keys to the windows after the frame they belong
// to, saves both windows' pictures of the frames the script names, and closes the main view at
// the script's end. It also paces painting: the windows draw in turn, camera window then main
// view, once each per frame, as the loop's idle passes ask; a paint the platform adds out of
// turn (an exposure that arrives after the window drew, as after a resize) is left out, since
// when it comes depends on the display server's timing.
#pragma once

#include "platform/Win32.h"
#include "tests/harness/Picture.h"
#include "tests/harness/Script.h"

#include <string>
#include <vector>

class GLWindowExtra;
class LanderApp;

class Replay {
  public:
    Replay(const Script& script, LanderApp& app, const std::string& folder);
    ~Replay();
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    // From now until Finish (one replay at a time), the platform's swaps come to this replay.
    void Start();
    // Call once the loop has ended: notes what the script wanted and did not get.
    void Finish();

    // A window is about to present what it drew; its context is current.
    void OnSwap(HWND window);
    // False for a paint out of turn, which is then left out.
    bool PaintInTurn(HWND window);

    int FramesDrawn() const { return framesDrawn; }
    int PaintsLeftOut() const { return paintsLeftOut; }
    // What went wrong, a line each; empty after a run that did all the script says.
    const std::vector<std::string>& Problems() const { return problems; }

  private:
    void OnMainFrame();
    void OnCamFrame();
    // Carries out every action that belongs to the end of this frame.
    void Deliver(int frame);
    // Routes the window's messages through the pacing.
    void Pace(HWND window);
    void PostKey(const ScriptAction& action);
    bool SaveWanted(int frame) const;
    // Reads back the window's back buffer; its context must be the current one.
    bool ReadBack(const GLWindowExtra& record, Picture& picture);
    void Save(const char* name, int frame, const Picture& picture);
    void Problem(const std::string& text);

    const Script& script;
    LanderApp& app;
    std::string folder;
    size_t next = 0;     // the first action not carried out yet
    int framesDrawn = 0; // the main view's frames, its creation not counted
    int camFrames = 0;   // the camera window's frames since the main view's last one
    HWND lastDrawn = nullptr;
    int paintsLeftOut = 0;
    Picture camPicture; // the camera window's last frame, when the next one is to be saved
    int camPictureFrame = -1;
    std::vector<std::string> problems;
};
