// Going a line back and forward again, as the player does it (Ctrl+Z and Ctrl+Y, the wheel,
// the history): back from a command prompt to the line shown last, from a waiting line to
// the one before; never to a line before a game loaded with the load button; and forward
// again through the lines already seen, by the same replay, until the player plays on
// differently.
#pragma once

#include <optional>

#include "replay/command_log.h"

namespace hazama {

class Replayer;

class LineSteps {
  public:
    explicit LineSteps(const Replayer& replayer) : replayer_(replayer) {}

    // The line a step back reaches, waiting there; nothing where there is none.
    std::optional<Position> back();
    // The position `lines` lines before the line shown last (0: that line, waiting again);
    // nothing when it lies before the last load or before the first line.
    std::optional<Position> back(int lines);
    // The next line already seen after going back, or the place play was left at; nothing
    // when none lies ahead.
    std::optional<Position> forward() const;
    // The first line that can be gone back to: the first one after the last game loaded.
    int first_line() const;

  private:
    // Whether play now lies on the way to the place left by going back.
    bool on_the_way() const;

    const Replayer& replayer_;
    std::optional<Position> ahead_;  // where play was before going back
};

}  // namespace hazama
