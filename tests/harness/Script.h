// A harness script read into plain data: the calendar time the game reads at start-up, and
// what happens after which frame of the main view. The text format is described at the top of
// Harness.cpp and in README.md beside it.
#pragma once

#include <string>
#include <vector>

enum class ScriptWindow { Main, Cam };

struct ScriptAction {
    enum Kind { KeyDown, KeyUp, Save, End };
    Kind kind = End;
    int frame = 0; // the main view's frame after which the action happens
    ScriptWindow window = ScriptWindow::Main;
    int key = 0; // virtual-key code, for the key actions
};

struct Script {
    long long clock = 0;
    // In the order they happen: frames never go back, and the one End comes last.
    std::vector<ScriptAction> actions;
    int endFrame = 0;
};

// Reads a script; on failure returns false with "line N: what is wrong" in error, and leaves
// script in an unspecified state.
bool ParseScript(const std::string& text, Script& script, std::string& error);

// The virtual-key code a script's key name stands for; 0 for a name it does not know.
int KeyCodeFromName(const std::string& name);
