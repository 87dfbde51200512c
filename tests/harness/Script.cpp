#include "tests/harness/Script.h"

#include "platform/Win32.h"

#include <cctype>
#include <sstream>

namespace {
// Far beyond any flight; keeps every frame number and count well inside an int.
constexpr long long kLastFrame = 1000000;
constexpr long long kMostPresses = 1000;
constexpr long long kLatestClock = 0xFFFFFFFFLL; // the generator's seed is 32 bits

struct NamedKey {
    const char* name;
    int code;
};
const NamedKey kNamedKeys[] = {
    {"space", VK_SPACE}, {"shift", VK_SHIFT}, {"pageup", VK_PRIOR}, {"pagedown", VK_NEXT},
    {"left", VK_LEFT},   {"up", VK_UP},       {"right", VK_RIGHT},  {"down", VK_DOWN},
};

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A whole decimal number from 0 to most; false for anything else.
bool ReadNumber(const std::string& word, long long most, long long& value) {
    if (word.empty() || word.size() > 12)
        return false;
    value = 0;
    for (char c : word) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        value = value * 10 + (c - '0');
    }
    return value <= most;
}

// The numbered keys of a family ("f1" to "f12", "numpad0" to "numpad9"); 0 if not one of them.
int Numbered(const std::string& name, const std::string& prefix, long long first, long long last,
             int firstCode) {
    long long n = 0;
    if (name.compare(0, prefix.size(), prefix) != 0 ||
        !ReadNumber(name.substr(prefix.size()), last, n) || n < first)
        return 0;
    return firstCode + static_cast<int>(n - first);
}

int HexCode(const std::string& name) {
    if (name.size() != 4 || name[0] != '0' || name[1] != 'x')
        return 0;
    int code = 0;
    for (size_t i = 2; i < 4; ++i) {
        char c = name[i];
        int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                                                                : -1;
        if (digit < 0)
            return 0;
        code = code * 16 + digit;
    }
    return code;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// Reads one action line (words after the frame number) into the script.
bool ReadAction(const std::vector<std::string>& words, int frame, Script& script,
                std::string& why) {
    const std::string& verb = words[1];
    if (verb == "save" || verb == "end") {
        if (words.size() != 2) {
            why = verb + " takes no more words";
            return false;
        }
        if (frame < 1) {
            why = verb + " needs a frame of 1 or more: frame 0 is before the first drawing";
            return false;
        }
        ScriptAction action;
        action.kind = verb == "save" ? ScriptAction::Save : ScriptAction::End;
        action.frame = frame;
        script.actions.push_back(action);
        if (action.kind == ScriptAction::End)
            script.endFrame = frame;
        return true;
    }
    if (verb != "key" && verb != "down" && verb != "up") {
        why = "unknown action '" + verb + "' (key, down, up, save or end)";
        return false;
    }
    const size_t most = verb == "key" ? 5 : 4;
    if (words.size() < 4 || words.size() > most) {
        why = verb == "key" ? "key needs a window, a key and at most a count"
                            : verb + " needs a window and a key";
        return false;
    }
    ScriptAction action;
    action.frame = frame;
    if (words[2] == "main") {
        action.window = ScriptWindow::Main;
    } else if (words[2] == "cam") {
        action.window = ScriptWindow::Cam;
    } else {
        why = "unknown window '" + words[2] + "' (main or cam)";
        return false;
    }
    action.key = KeyCodeFromName(words[3]);
    if (action.key == 0) {
        why = "unknown key '" + words[3] + "'";
        return false;
    }
    long long count = 1;
    if (words.size() == 5 && (!ReadNumber(words[4], kMostPresses, count) || count < 1)) {
        why = "count '" + words[4] + "' is not a number from 1 to 1000";
        return false;
    }
    for (long long i = 0; i < count; ++i) {
        if (verb != "up") {
            action.kind = ScriptAction::KeyDown;
            script.actions.push_back(action);
        }
        if (verb != "down") {
            action.kind = ScriptAction::KeyUp;
            script.actions.push_back(action);
        }
    }
    return true;
}

bool ReadLine(const std::vector<std::string>& words, bool& clockSeen, Script& script,
              std::string& why) {
    if (script.endFrame > 0) {
        why = "nothing may follow end";
        return false;
    }
    if (words[0] == "clock") {
        if (clockSeen || words.size() != 2 || !ReadNumber(words[1], kLatestClock, script.clock)) {
            why = clockSeen ? "a second clock line"
                            : "clock needs one number of seconds from 0 to 4294967295";
            return false;
        }
        clockSeen = true;
        return true;
    }
    long long frame = 0;
    if (!ReadNumber(words[0], kLastFrame, frame)) {
        why = "expected a frame number from 0 to 1000000 or clock, not '" + words[0] + "'";
        return false;
    }
    if (words.size() < 2) {
        why = "a frame number needs an action";
        return false;
    }
    if (!script.actions.empty() && frame < script.actions.back().frame) {
        why = "frame " + words[0] + " comes after frame " +
              std::to_string(script.actions.back().frame) + ": frames must not go back";
        return false;
    }
    return ReadAction(words, static_cast<int>(frame), script, why);
}
} // namespace

int KeyCodeFromName(const std::string& name) {
    if (name.size() == 1) {
        unsigned char c = static_cast<unsigned char>(name[0]);
        if (std::isalpha(c))
            return std::toupper(c); // letters arrive as their upper-case codes
        if (std::isdigit(c))
            return c;
        return 0;
    }
    const std::string lower = Lower(name);
    for (const NamedKey& key : kNamedKeys) {
        if (lower == key.name)
            return key.code;
    }
    if (int code = Numbered(lower, "f", 1, 12, VK_F1))
        return code;
    if (int code = Numbered(lower, "numpad", 0, 9, VK_NUMPAD0))
        return code;
    return HexCode(lower);
}

bool ParseScript(const std::string& text, Script& script, std::string& error) {
    script = Script();
    bool clockSeen = false;
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        const std::vector<std::string> words = Words(line);
        if (words.empty())
            continue;
        std::string why;
        if (!ReadLine(words, clockSeen, script, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
    }
    if (!clockSeen || script.endFrame == 0) {
        error = !clockSeen ? "no clock line" : "no end line";
        return false;
    }
    return true;
}
