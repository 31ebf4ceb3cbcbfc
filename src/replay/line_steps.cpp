// Going a line back and forward again (line_steps.h).
#include "replay/line_steps.h"

#include <algorithm>

#include "replay/replayer.h"

namespace hazama {

int LineSteps::first_line() const {
    const auto& commands = replayer_.here().commands;
    const auto load = std::find_if(commands.rbegin(), commands.rend(), [](const auto& command) {
        return command.text.rfind("load-state ", 0) == 0;
    });
    return load == commands.rend() ? 1 : load->messages_before + 1;
}

std::optional<Position> LineSteps::back() {
    // A waiting line steps to the one before it; a prompt to the line shown last, which then
    // waits again.
    return back(replayer_.here().at_line ? 1 : 0);
}

std::optional<Position> LineSteps::back(int lines) {
    if (!replayer_.can_take()) return std::nullopt;
    const Position here = replayer_.here();
    if (lines == 0 && here.at_line) return std::nullopt;  // there already
    auto position = replayer_.back(lines);
    if (!position || position->message < first_line()) return std::nullopt;
    if (!on_the_way()) ahead_ = here;
    return position;
}

bool LineSteps::on_the_way() const {
    if (!ahead_) return false;
    const Position here = replayer_.here();
    const auto& theirs = ahead_->commands;
    return here.commands.size() <= theirs.size() &&
           std::equal(here.commands.begin(), here.commands.end(), theirs.begin()) &&
           (here.message < ahead_->message ||
            (here.message == ahead_->message && here.at_line && !ahead_->at_line));
}

std::optional<Position> LineSteps::forward() const {
    if (!replayer_.can_take() || !on_the_way()) return std::nullopt;
    const Position here = replayer_.here();
    // The place left itself once its line is reached (or the line before it, when it waits).
    if (here.message == ahead_->message || (ahead_->at_line && here.message + 1 == ahead_->message))
        return ahead_;
    Position next = *ahead_;
    next.message = here.message + 1;
    next.at_line = true;
    next.lines = 0;  // known only by playing, as for going back
    return next;
}

}  // namespace hazama
