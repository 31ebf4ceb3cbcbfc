// Letter-by-letter display: how much of a message shows how long after it began. The
// characters are the text's UTF-8 sequences; a line break shows with the character after it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace hazama {

// How the message line shows a new message: all at once (as the game always has), or a
// character at a time at one of three speeds.
enum class TextSpeed : std::uint8_t { instant, slow, normal, fast };

// The time between two characters at `speed`; 0 for all at once.
std::uint32_t reveal_interval(TextSpeed speed);

class Reveal {
  public:
    Reveal(std::string_view text, TextSpeed speed);

    // The number of characters, line breaks left out.
    std::size_t count() const { return ends_.size(); }
    // The characters shown `elapsed` ms after the message began: the first at once, one more
    // at every interval, never more than count().
    std::size_t shown_at(std::uint32_t elapsed) const;
    // The first moment, in ms after the message began, at which `characters` show.
    std::uint32_t time_of(std::size_t characters) const;
    // The length in bytes of the text's beginning that shows `characters` (whole UTF-8
    // sequences; a line break after the last one is left for the next).
    std::size_t bytes(std::size_t characters) const;

  private:
    std::vector<std::size_t> ends_;  // where each character's bytes end
    std::uint32_t interval_;
};

}  // namespace hazama
