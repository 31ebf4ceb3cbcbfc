// The reading controls the player adds to the story's waits: auto-advance, skip of read
// text, Ctrl held, letter-by-letter display, the hidden text, the copied lines, the history
// and the read record. One object, owned by the form and consulted by its waits; the window
// and the runner only change its settings.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "reading/history.h"
#include "reading/read_record.h"
#include "reading/reveal.h"

namespace hazama {

enum class AutoSpeed : std::uint8_t { slow, normal, fast };
// What skip passes over: the lines read before, or every line.
enum class SkipMode : std::uint8_t { read, all };

// How long auto-advance lets a message stand: a base plus a time per character (line
// breaks do not count).
std::uint32_t auto_delay(std::string_view text, AutoSpeed speed);

class Reading {
  public:
    static constexpr int kSkipSpeed = 10;  // timed animations under skip run this much faster
    // A Ctrl pressed on the keyboard skips only once it has been held this long: a key
    // pressed with it before then (Ctrl+C) makes it a chord that skips nothing.
    static constexpr std::uint32_t kCtrlChordMs = 300;

    // Where the read record is kept (before the first message); none keeps it in memory.
    void set_data_folder(std::filesystem::path folder) { record_ = ReadRecord(std::move(folder)); }

    // ---- the player's settings ----
    bool auto_on() const { return auto_on_; }
    AutoSpeed auto_speed() const { return auto_speed_; }
    bool skip_on() const { return skip_on_; }
    SkipMode skip_mode() const { return skip_mode_; }
    bool ctrl_held() const { return ctrl_held_; }
    TextSpeed text_speed() const { return text_speed_; }
    bool copy_lines() const { return copy_lines_; }
    void set_auto(bool on) { auto_on_ = on; }
    void set_auto_speed(AutoSpeed speed) { auto_speed_ = speed; }
    void set_skip(bool on) { skip_on_ = on; }
    void set_skip_mode(SkipMode mode) { skip_mode_ = mode; }
    // Ctrl held or let go, skipping at once while held.
    void set_ctrl(bool held) {
        ctrl_held_ = held;
        ctrl_pressed_at_.reset();
    }
    // Ctrl pressed on the keyboard at `now`: held, but skipping only from kCtrlChordMs on.
    void press_ctrl(std::uint32_t now) {
        ctrl_held_ = true;
        ctrl_pressed_at_ = now;
    }
    // Another key pressed with Ctrl: a chord, not a hold. Nothing is skipped until Ctrl is
    // let go and pressed again.
    void ctrl_chord() { set_ctrl(false); }
    // Whether Ctrl skips lines at `now`, and else how long until it may (0: it will not).
    bool ctrl_skips(std::uint32_t now) const;
    std::uint32_t ctrl_wait(std::uint32_t now) const;
    void set_text_speed(TextSpeed speed) { text_speed_ = speed; }
    // Every line that waits for the reader is copied for a dictionary tool.
    void set_copy_lines(bool on) { copy_lines_ = on; }
    // Whether the skip mark shows and the animations hurry.
    bool skipping() const { return skip_on_ || ctrl_held_; }
    int time_scale() const { return skipping() ? kSkipSpeed : 1; }

    // ---- a message being shown ----
    // Logs and marks the line; remembers whether it had been shown before.
    void shown(std::string_view text, std::uint32_t now);
    // Whether the line just shown is released as soon as it is drawn. Skip that meets a
    // line never shown before turns itself off (unless it skips every line): then `stopped`
    // is set.
    bool skips_line(bool& stopped, std::uint32_t now);
    // Whether the line just shown will be skipped at `now` (skips_line without its effect).
    bool would_skip(std::uint32_t now) const;
    // The auto-advance delay for the line just shown, or 0 when the reader releases it.
    std::uint32_t auto_delay_now() const;

    // The history panel, the menu or the settings, and the text hidden to see the picture,
    // hold auto and skip back.
    bool history_open() const { return history_open_; }
    void set_history_open(bool open) { history_open_ = open; }
    void set_menu_open(bool open) { menu_open_ = open; }
    bool text_hidden() const { return text_hidden_; }
    void set_text_hidden(bool hidden) { text_hidden_ = hidden; }
    bool held() const { return history_open_ || menu_open_ || text_hidden_; }

    // A position being restored: its lines go to the history only, each released at once;
    // the read record neither learns nor writes anything.
    void set_replaying(bool on) { replaying_ = on; }
    bool replaying() const { return replaying_; }

    History& history() { return history_; }
    ReadRecord& record() { return record_; }

  private:
    bool auto_on_ = false;
    AutoSpeed auto_speed_ = AutoSpeed::normal;
    bool skip_on_ = false;
    SkipMode skip_mode_ = SkipMode::read;
    bool ctrl_held_ = false;
    std::optional<std::uint32_t> ctrl_pressed_at_;  // a keyboard press, not yet a chord
    TextSpeed text_speed_ = TextSpeed::instant;
    bool copy_lines_ = false;
    bool history_open_ = false;
    bool menu_open_ = false;
    bool text_hidden_ = false;
    bool line_was_read_ = false;
    bool replaying_ = false;
    std::string line_;  // the message now shown
    History history_;
    ReadRecord record_;
};

}  // namespace hazama
