// A checkpoint: the form between two commands, kept in memory so that going back replays
// from the nearest one instead of from the start.
#pragma once

#include <deque>
#include <memory>

#include "form/main_form.h"

namespace hazama {

struct MainForm::Checkpoint {
    std::uint8_t game, position, f00, light, x00, mes, moup;
    std::string music_file;
    // Shared with the checkpoint before when unchanged: plane 5 holds a panorama for long.
    std::array<std::shared_ptr<const Plane>, 6> planes;
    Plane portrait;
    std::array<StaffLabel, kStaffLabels> labels;
    std::array<bool, kControlCount> visible, enabled;
    int timer1_interval;
    std::string message_line;
    std::string message_key;  // the same line in Japanese
    std::array<std::string, 3> dest_name;
    std::array<std::uint8_t, 4> dest_pos;
    CommandLog log;
    int messages_shown;
    std::uint64_t lines_shown;
    std::deque<HistoryEntry> history;
    std::size_t pictures_loaded;
};

}  // namespace hazama
