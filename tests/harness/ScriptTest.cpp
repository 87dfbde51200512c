#include "tests/harness/Script.h"

#include <gtest/gtest.h>

namespace {
ScriptAction Key(ScriptAction::Kind kind, int frame, ScriptWindow window, int key) {
    ScriptAction action;
    action.kind = kind;
    action.frame = frame;
    action.window = window;
    action.key = key;
    return action;
}

ScriptAction At(ScriptAction::Kind kind, int frame) {
    ScriptAction action;
    action.kind = kind;
    action.frame = frame;
    return action;
}

void ExpectActions(const std::vector<ScriptAction>& actual,
                   const std::vector<ScriptAction>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i].kind, expected[i].kind);
        EXPECT_EQ(actual[i].frame, expected[i].frame);
        if (expected[i].kind == ScriptAction::KeyDown || expected[i].kind == ScriptAction::KeyUp) {
            EXPECT_EQ(actual[i].window, expected[i].window);
            EXPECT_EQ(actual[i].key, expected[i].key);
        }
    }
}
} // namespace

TEST(ScriptTest, ReadsEveryActionInOrder) {
    const char* text = "# a flight\n"
                       "clock 1234567890   # the seed\n"
                       "\n"
                       "0 key main p 2\n"
                       "3 down cam Space\n"
                       "3 up cam 0x20\n"
                       "5 save\n"
                       "  7   end  \n";
    Script script;
    std::string error;
    ASSERT_TRUE(ParseScript(text, script, error)) << error;
    EXPECT_EQ(script.clock, 1234567890);
    EXPECT_EQ(script.endFrame, 7);
    using A = ScriptAction;
    const auto main = ScriptWindow::Main, cam = ScriptWindow::Cam;
    ExpectActions(script.actions, {Key(A::KeyDown, 0, main, 'P'), Key(A::KeyUp, 0, main, 'P'),
                                   Key(A::KeyDown, 0, main, 'P'), Key(A::KeyUp, 0, main, 'P'),
                                   Key(A::KeyDown, 3, cam, 0x20), Key(A::KeyUp, 3, cam, 0x20),
                                   At(A::Save, 5), At(A::End, 7)});
}

TEST(ScriptTest, NamesKeysAsTheGameReceivesThem) {
    const struct {
        const char* name;
        int code;
    } cases[] = {
        {"x", 'X'},        {"W", 'W'},       {"0", '0'},         {"9", '9'},     {"Space", 0x20},
        {"SHIFT", 0x10},   {"PageUp", 0x21}, {"pagedown", 0x22}, {"Left", 0x25}, {"Up", 0x26},
        {"Right", 0x27},   {"Down", 0x28},   {"F1", 0x70},       {"f12", 0x7B},  {"Numpad0", 0x60},
        {"numpad9", 0x69}, {"0x41", 0x41},   {"0XfE", 0xFE},     {"F13", 0},     {"F0", 0},
        {"numpad10", 0},   {"0x00", 0},      {"0x4", 0},         {"0x4g", 0},    {"?", 0},
        {"", 0},           {"Enter", 0},     {"f", 'F'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyCodeFromName(c.name), c.code) << c.name;
}

TEST(ScriptTest, RefusesBadScriptsSayingWhereAndWhy) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "no clock line"},
        {"clock 5\n", "no end line"},
        {"1 end\n", "no clock line"},
        {"clock 5\nclock 6\n1 end\n", "line 2: a second clock line"},
        {"clock -5\n1 end\n", "line 1: clock needs one number"},
        {"clock 4294967296\n1 end\n", "line 1: clock needs one number"},
        {"clock\n1 end\n", "line 1: clock needs one number"},
        {"clock 5\n1 end\n2 save\n", "line 3: nothing may follow end"},
        {"clock 5\n0 end\n", "line 2: end needs a frame of 1 or more"},
        {"clock 5\n0 save\n1 end\n", "line 2: save needs a frame of 1 or more"},
        {"clock 5\n4 save\n3 end\n", "line 3: frame 3 comes after frame 4"},
        {"clock 5\nx key main P\n1 end\n", "line 2: expected a frame number"},
        {"clock 5\n1000001 end\n", "line 2: expected a frame number"},
        {"clock 5\n99999999999999999999 end\n", "line 2: expected a frame number"},
        {"clock 5\n1\n", "line 2: a frame number needs an action"},
        {"clock 5\n1 jump\n2 end\n", "line 2: unknown action 'jump'"},
        {"clock 5\n1 save now\n2 end\n", "line 2: save takes no more words"},
        {"clock 5\n1 key side P\n2 end\n", "line 2: unknown window 'side'"},
        {"clock 5\n1 key main Enter\n2 end\n", "line 2: unknown key 'Enter'"},
        {"clock 5\n1 key main\n2 end\n", "line 2: key needs a window, a key"},
        {"clock 5\n1 key main P 2 3\n2 end\n", "line 2: key needs a window, a key"},
        {"clock 5\n1 down main P 2\n2 end\n", "line 2: down needs a window and a key"},
        {"clock 5\n1 key main P 0\n2 end\n", "line 2: count '0' is not a number from 1"},
        {"clock 5\n1 key main P 1001\n2 end\n", "line 2: count '1001' is not a number"},
        {"clock 5\n1 key main P -1\n2 end\n", "line 2: count '-1' is not a number"},
    };
    for (const auto& c : cases) {
        Script script;
        std::string error;
        EXPECT_FALSE(ParseScript(c.text, script, error)) << c.text;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << "script:\n" << c.text << "said: " << error;
    }
}
