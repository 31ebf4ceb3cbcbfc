// What a position must be for a replay to apply it: the same checks a save file passes,
// for every value a command sets (a load's state, a `set`, a music name, a chooser's
// answer), and counts of lines that only grow. A slot that fails any is refused whole, and
// none is written from a position that fails them (one no player could reach).
#pragma once

#include <string>
#include <string_view>

#include "replay/command_log.h"

namespace hazama {

// The most lines and commands a position may count: far past the whole story many times
// over, and within what an int holds.
inline constexpr int kMostLines = 10'000'000;
inline constexpr std::size_t kMostCommands = 1'000'000;

// One command of a position: "new", "look", "talk", "move 0".."move 3", "move close",
// "load-state game=G position=P light=L music=NAME" and "set NAME=VALUE ...", each value
// within a save file's ranges. False, and why, for anything else.
bool command_ok(std::string_view command, std::string& why);
// Every command, and the counts: each command's lines at least those of the one before,
// the position's at least the last command's, a waiting line one that was shown.
bool position_ok(const Position& position, std::string& why);
// A picture a slot lists: a relative name below gra/, with no "." or ".." on its way and
// nothing but plain characters.
bool listed_picture_ok(std::string_view name);

}  // namespace hazama
