// The story runner: plays the real game core on the virtual platform from a command script
// and writes one trace line per observable effect.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "text/catalogue.h"

namespace hazama {

struct RunnerOptions {
    std::filesystem::path assets;      // the folder holding gra/ and music/
    std::filesystem::path snapshots;   // where relative snapshot paths are written
    std::filesystem::path data;        // the read record's folder; empty: a fresh temporary one
    Language language = Language::ja;  // the language the story is told in
    // Where the reader's choices are written whenever one changes, as the window keeps
    // them; empty: nowhere.
    std::filesystem::path settings;
};

// Runs the commands read from `script`, writing the trace to `out` and complaints to `err`.
// Returns the exit status: 0 done, 1 the game stopped with an error, 2 a line could not be
// parsed, 3 the story stalled (a dialog or line with no scripted answer, or waits that no
// longer move the clock).
int run_story(std::istream& script, std::ostream& out, std::ostream& err,
              const RunnerOptions& options);

}  // namespace hazama
