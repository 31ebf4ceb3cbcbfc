// Parsing the media command strings the game sends.
#pragma once

#include <string>
#include <string_view>

namespace hazama {

struct MediaCommand {
    enum class Kind { open, play, status_mode, seek_start, close, unknown };
    Kind kind = Kind::unknown;
    std::string path;   // open: the file between the double quotes
    std::string alias;  // the device alias, "x1" in this game
};

// Understands: open "PATH" alias A [notify] | play A | status A mode | seek A to start |
// close A. Anything else is Kind::unknown.
MediaCommand parse_media_command(std::string_view command);

}  // namespace hazama
