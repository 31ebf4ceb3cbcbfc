// An English message as the page draws it: laid out by the core's rules
// (shell/english_layout.h), measured with the page's own Latin face, and cut to the characters
// shown so far when the line appears letter by letter.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "shell/english_layout.h"

namespace hazama {

// The English face's size and line step in the message line, in pixels of the stage.
int english_pixels();
int english_step();

// The message `text` (UTF-8) with its first `shown` bytes showing, as JSON for the page:
// {"size", "step", "indent", "lines": the lines' visible parts, "breaks": what was broken
// between each line and the one before (its spaces), as far as it shows}. Nothing when the
// text is not English: the page sets it as it is.
std::optional<std::string> english_lines_json(std::string_view text, std::size_t shown,
                                              const MeasureText& measure);

}  // namespace hazama
