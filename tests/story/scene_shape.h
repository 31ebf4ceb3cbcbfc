// Turns a scene's trace into the lines a scene test compares: a message becomes its speaker
// and its number of lines, a piece of music its bare name; everything else stays as printed.
#pragma once

#include <string>
#include <vector>

#include "harness.h"

namespace hazama::testing {

// "message 飛沫「…」\n　　　…" -> "message 飛沫「 lines=2"; narration -> "message lines=1".
inline std::string message_shape(const std::string& text) {
    const int lines = 1 + [&] {
        int n = 0;
        for (std::size_t at = text.find("\\n"); at != std::string::npos;
             at = text.find("\\n", at + 2))
            ++n;
        return n;
    }();
    std::string speaker;
    const auto bracket = text.find("「");
    // A name is a few characters at the very start, before the opening bracket.
    if (bracket != std::string::npos && bracket > 0 && bracket <= 5 * 3 &&
        text.find("。") > bracket && text.find("、") > bracket)
        speaker = text.substr(0, bracket + std::string("「").size()) + " ";
    return "message " + speaker + "lines=" + std::to_string(lines);
}

// The trace lines of `played` in order, shaped; "chooser" lines (the map's business) and
// status lines of the buttons are left out.
inline std::vector<std::string> scene_shape(const Played& played) {
    std::vector<std::string> out;
    for (const std::string& line : played.lines()) {
        if (line.rfind("message ", 0) == 0) {
            out.push_back(message_shape(line.substr(8)));
        } else if (line.rfind("mci open ", 0) == 0) {
            const auto slash = line.rfind('/');
            const auto dot = line.rfind(".mid");
            out.push_back("mci open " + line.substr(slash + 1, dot - slash - 1));
        } else if (line.rfind("chooser ", 0) != 0 && line.rfind("show ", 0) != 0 &&
                   line.rfind("hide ", 0) != 0) {
            out.push_back(line);
        }
    }
    return out;
}

}  // namespace hazama::testing
