// Splits a run of the story into the replies of its commands.
#pragma once

#include <string>
#include <vector>

#include "harness.h"

namespace hazama::testing {

// Plays `script` and returns the trace of each look, talk and move in it, in order.
inline std::vector<Played> replies(const std::string& script) {
    const Played played = play(script);
    EXPECT_EQ(played.status, 0) << played.errors;
    std::vector<Played> out;
    bool inside = false;
    for (const std::string& line : played.lines()) {
        if (line.rfind("> ", 0) == 0) {
            inside = line == "> look" || line == "> talk" || line.rfind("> move", 0) == 0;
            if (inside) out.push_back({});
        } else if (inside) {
            out.back().trace += line + "\n";
        }
    }
    return out;
}

}  // namespace hazama::testing
