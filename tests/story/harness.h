// Plays runner scripts against the built game data and picks lines out of the trace.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "story_runner.h"

namespace hazama::testing {

struct Played {
    int status = 0;
    std::string trace;
    std::string errors;
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        std::istringstream in(trace);
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    // The lines that start with `kind` followed by a space ("message", "fade", ...).
    std::vector<std::string> of(const std::string& kind) const {
        std::vector<std::string> out;
        for (const auto& line : lines()) {
            if (line.rfind(kind + " ", 0) == 0 || line == kind) out.push_back(line);
        }
        return out;
    }
    // The trace from the echo of `command` (e.g. "> look") up to the next echo.
    Played after(const std::string& command) const {
        Played part{status, "", errors};
        bool inside = false;
        for (const auto& line : lines()) {
            if (line.rfind("> ", 0) == 0)
                inside = (line == "> " + command);
            else if (inside)
                part.trace += line + "\n";
        }
        return part;
    }
};

// The whole-story walkthrough, tests/story/walkthrough.txt in the source folder that CTest
// names in HAZAMA_SOURCE; empty when it cannot be read.
inline std::string read_walkthrough() {
    const char* source = std::getenv("HAZAMA_SOURCE");
    if (source == nullptr) return "";
    std::ifstream file(std::string(source) + "/tests/story/walkthrough.txt");
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

// The folder holding the built gra/ and music/ (set by CTest), or the current folder.
inline std::string assets_folder() {
    const char* env = std::getenv("HAZAMA_ASSETS");
    return env != nullptr ? env : ".";
}

// Runs `script` (runner commands, one per line) and returns what it printed. The read
// record lives in `data`, or in a fresh folder of the run's own when that is empty. The story
// is told in `language`.
inline Played play(const std::string& script, const std::filesystem::path& data = {},
                   Language language = Language::ja) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    RunnerOptions options;
    options.assets = assets_folder();
    options.data = data;
    options.language = language;
    Played result;
    result.status = run_story(in, out, err, options);
    result.trace = out.str();
    result.errors = err.str();
    return result;
}

}  // namespace hazama::testing
