// The reading controls the player adds to the story's waits: auto-advance, skip of read
// text, Ctrl held, the history and the read record. One object, owned by the form and
// consulted by its waits; the window and the runner only change its settings.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "reading/history.h"
#include "reading/read_record.h"

namespace hazama {

enum class AutoSpeed : std::uint8_t { slow, normal, fast };

// How long auto-advance lets a message stand: a base plus a time per character (line
// breaks do not count).
std::uint32_t auto_delay(std::string_view text, AutoSpeed speed);

class Reading {
  public:
    static constexpr int kSkipSpeed = 10;  // timed animations under skip run this much faster

    // Where the read record is kept (before the first message); none keeps it in memory.
    void set_data_folder(std::filesystem::path folder) { record_ = ReadRecord(std::move(folder)); }

    // ---- the player's settings ----
    bool auto_on() const { return auto_on_; }
    AutoSpeed auto_speed() const { return auto_speed_; }
    bool skip_on() const { return skip_on_; }
    bool ctrl_held() const { return ctrl_held_; }
    void set_auto(bool on) { auto_on_ = on; }
    void set_auto_speed(AutoSpeed speed) { auto_speed_ = speed; }
    void set_skip(bool on) { skip_on_ = on; }
    void set_ctrl(bool held) { ctrl_held_ = held; }
    // Whether the skip mark shows and the animations hurry.
    bool skipping() const { return skip_on_ || ctrl_held_; }
    int time_scale() const { return skipping() ? kSkipSpeed : 1; }

    // ---- a message being shown ----
    // Logs and marks the line; remembers whether it had been shown before.
    void shown(std::string_view text, std::uint32_t now);
    // Whether the line just shown is released as soon as it is drawn. Skip that meets a
    // line never shown before turns itself off: then `stopped` is set.
    bool skips_line(bool& stopped);
    // The auto-advance delay for the line just shown, or 0 when the reader releases it.
    std::uint32_t auto_delay_now() const;

    // The history panel and the menu, while open, hold auto and skip back.
    bool history_open() const { return history_open_; }
    void set_history_open(bool open) { history_open_ = open; }
    void set_menu_open(bool open) { menu_open_ = open; }
    bool held() const { return history_open_ || menu_open_; }

    History& history() { return history_; }
    ReadRecord& record() { return record_; }

  private:
    bool auto_on_ = false;
    AutoSpeed auto_speed_ = AutoSpeed::normal;
    bool skip_on_ = false;
    bool ctrl_held_ = false;
    bool history_open_ = false;
    bool menu_open_ = false;
    bool line_was_read_ = false;
    std::string line_;  // the message now shown
    History history_;
    ReadRecord record_;
};

}  // namespace hazama
