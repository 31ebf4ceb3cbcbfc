// The scene tests' short hand: a command's trace shaped into short lines, tables of expected
// lines written in the same short hand, and a run of the story split into its replies.
//
// A shaped trace keeps every line as printed, except that
//   a message becomes "飛沫 2": its speaker and its number of lines ("narration 1" when it
//     has none; "voice 1" for a bare 「…」 line, when asked for),
//   the close, open and play of a change of music become "music NAME", and a close alone
//     "music 0",
//   the chooser's lines (the map's business) are left out, and so are the buttons' show and
//     hide lines unless asked for; the state line the command ends with stays unless asked
//     to go.
//
// A table row holds steps separated by "; ", each of them one of
//   "飛沫 1 2"            messages of 飛沫, of one and of two lines (likewise "narration",
//                         "voice" or any other speaker)
//   "[k01_sib3]", "[-]"   a portrait shown, the portrait removed (as a com leaves it)
//   "stage NAME"          the picture NAME.jpg loaded into plane 1
//   a named step          the lines the test's own table gives for it
// and anything else stands for itself ("fade 1000 0", "music mind", "state game=...").
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "harness.h"

namespace hazama::testing {

using Lines = std::vector<std::string>;

inline Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// "飛沫「…」\n　　　…" -> "飛沫 2"; "…。" -> "narration 1"; "「…」" -> "voice 1" with `voice`.
inline std::string message_shape(const std::string& text, bool voice = false) {
    int lines = 1;
    for (auto at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 2))
        ++lines;
    std::string who = "narration";
    const auto bracket = text.find("「");
    // A name is a few characters at the very start, before the opening bracket.
    if (bracket != std::string::npos && bracket > 0 && bracket <= 5 * 3 &&
        text.find("。") > bracket && text.find("、") > bracket)
        who = text.substr(0, bracket);
    else if (voice && bracket == 0)
        who = "voice";
    return who + " " + std::to_string(lines);
}

// What a shape keeps beyond the lines every scene test compares.
struct Shaping {
    bool voice = false;      // an unnamed 「…」 line is "voice" rather than "narration"
    bool state = true;       // the state line the command ends with
    bool show_hide = false;  // the buttons' show and hide lines
};

inline Lines shape(const Played& played, const Shaping& keep = {}) {
    const Lines raw = played.lines();
    Lines out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::string& line = raw[i];
        const auto starts = [&](const char* prefix) { return line.rfind(prefix, 0) == 0; };
        if (starts("message ")) {
            out.push_back(message_shape(line.substr(8), keep.voice));
        } else if (starts("mci open ")) {
            const auto slash = line.rfind('/');
            out.push_back("mci open " + line.substr(slash + 1, line.rfind(".mid") - slash - 1));
        } else if (line == "mci close x1" && i + 2 < raw.size() &&
                   raw[i + 1].rfind("mci open \"", 0) == 0 && raw[i + 2] == "mci play x1") {
            const std::string& open = raw[i + 1];
            const auto from = open.rfind("/music/") + 7;
            out.push_back("music " + open.substr(from, open.find(".mid\"") - from));
            i += 2;
        } else if (line == "mci close x1") {
            out.push_back("music 0");
        } else if (!starts("chooser ") && (keep.state || !starts("state ")) &&
                   (keep.show_hide || (!starts("show ") && !starts("hide ")))) {
            out.push_back(line);
        }
    }
    return out;
}

// The shapes of the messages alone.
inline Lines message_shapes(const Played& played) {
    Lines out;
    for (const std::string& m : played.of("message")) out.push_back(message_shape(m.substr(8)));
    return out;
}

// The shape of a load without the music it resumes, which depends on the game loaded over.
inline Lines without_music(const Lines& shaped) {
    Lines out;
    for (const std::string& line : shaped)
        if (line.rfind("music ", 0) != 0 && line.rfind("mci ", 0) != 0) out.push_back(line);
    return out;
}

// Whether the first word of a short-hand line names who speaks ("飛沫", "narration").
inline bool is_speaker(const std::string& word) {
    return word == "narration" || word == "voice" ||
           (!word.empty() && static_cast<unsigned char>(word[0]) >= 0x80);
}

// Whether a shaped line stands for a message ("飛沫 2", "narration 1").
inline bool is_message(const std::string& line) {
    const auto space = line.find(' ');
    return space != std::string::npos && is_speaker(line.substr(0, space));
}

using NamedSteps = std::map<std::string, Lines>;

// Spells out table rows in the short hand above into shaped trace lines.
inline Lines expand(const Lines& rows, const NamedSteps& named = {}) {
    Lines out;
    for (const std::string& row : rows) {
        for (std::size_t from = 0; from < row.size();) {
            const auto end = std::min(row.find("; ", from), row.size());
            const std::string step = row.substr(from, end - from);
            from = end + 2;
            std::istringstream words(step);
            std::string head;
            words >> head;
            if (const auto found = named.find(step); found != named.end()) {
                out.insert(out.end(), found->second.begin(), found->second.end());
            } else if (is_message(step)) {
                for (std::string lines; words >> lines;) out.push_back(head + " " + lines);
            } else if (step == "[-]") {
                out.push_back("face 0");
            } else if (!step.empty() && step.front() == '[') {
                out.push_back("face " + step.substr(1, step.size() - 2));
            } else if (head == "stage") {
                out.push_back("picture 1 gra/" + step.substr(6) + ".jpg");
            } else {
                out.push_back(step);
            }
        }
    }
    return out;
}

// The state line a command ends with, f00 back at 0.
inline std::string state_line(int game, int position, int light, const std::string& music,
                              int x00 = 0) {
    return "state game=" + std::to_string(game) + " position=" + std::to_string(position) +
           " light=" + std::to_string(light) + " f00=0 x00=" + std::to_string(x00) +
           " music=" + music;
}

inline std::string state_after(const Played& played) {
    const Lines states = played.of("state");
    return states.empty() ? "" : states.back();
}

// Plays `script` and returns, in order, the trace of each command whose verb is one of
// `verbs`; "set", "save" and the like only prepare the next one.
inline std::vector<Played> replies(const std::string& script,
                                   std::initializer_list<std::string> verbs = {"look", "talk",
                                                                               "move"}) {
    const Played played = play(script);
    EXPECT_EQ(played.status, 0) << played.errors;
    std::vector<Played> out;
    bool inside = false;
    for (const std::string& line : played.lines()) {
        if (line.rfind("> ", 0) == 0) {
            const std::string verb = line.substr(2, line.find(' ', 2) - 2);
            inside = std::find(verbs.begin(), verbs.end(), verb) != verbs.end();
            if (inside) out.push_back({played.status, "", played.errors});
        } else if (inside) {
            out.back().trace += line + "\n";
        }
    }
    return out;
}

// The trace of `command` in a new game after the runner lines `setup`.
inline Played reply_to(const std::string& setup, const std::string& command) {
    const Played played = play("new\n" + setup + "\n" + command + "\n");
    EXPECT_EQ(played.status, 0) << played.errors;
    return played.after(command);
}

// Saves a new game standing as `set` says ("game=34 position=12 ...") into `file_name` in
// the test's temporary folder, loads it straight back, and returns the trace of the load.
inline Played reloaded(const std::string& set, const std::string& file_name) {
    const std::string file = (std::filesystem::path(::testing::TempDir()) / file_name).string();
    const Played played = play("new\nset " + set + "\nsave " + file + "\nload " + file + "\n");
    std::filesystem::remove(file);
    EXPECT_EQ(played.status, 0) << played.errors;
    return played.after("load " + file);
}

}  // namespace hazama::testing
