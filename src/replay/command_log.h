// A position in play: the player's commands since the program started, in the runner's
// command language, and the number of lines shown. Replaying the commands on a form just
// made reaches the same position, line for line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hazama {

// The lines shown so far, chained into one 64-bit FNV-1a value: two runs that showed the
// same lines in the same order agree on it.
inline constexpr std::uint64_t kNoLines = 14695981039346656037ULL;
std::uint64_t chain_line(std::uint64_t lines, std::string_view text);

// One command, with what had been shown when it was given: a replay that arrives there
// with other lines has met a story that changed.
struct LoggedCommand {
    std::string text;  // "move 1", "load-state game=5 position=3 light=0 music=s-Town"
    int messages_before = 0;
    std::uint64_t lines_before = kNoLines;
    bool operator==(const LoggedCommand&) const = default;
};

struct Position {
    std::vector<LoggedCommand> commands;
    int message = 0;                 // lines shown since the start, the last one included
    std::uint64_t lines = kNoLines;  // the chain of those lines
    bool at_line = false;            // line `message` waits for the reader; else play is idle
    bool operator==(const Position&) const = default;
};

class CommandLog {
  public:
    void add(std::string text, int messages_before, std::uint64_t lines_before) {
        commands_.push_back({std::move(text), messages_before, lines_before});
    }
    void clear() { commands_.clear(); }
    const std::vector<LoggedCommand>& commands() const { return commands_; }

  private:
    std::vector<LoggedCommand> commands_;
};

}  // namespace hazama
