// The virtual platform: a virtual clock, scripted answers and a record of every effect.
// The story runner and the tests run the real core on it; a wait moves the clock straight
// to its deadline, firing the timers that fall due on the way.
#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "graphics/plane.h"
#include "platform/platform.h"

namespace hazama {

// The story stands still: a dialog or a line waits for an answer nobody scripted, or the
// core keeps waiting without the clock moving and without the reader releasing a line.
class StoryStalled : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class VirtualPlatform : public Platform {
  public:
    using Decoder = std::function<bool(const std::string& path, Plane& into, std::string& error)>;

    explicit VirtualPlatform(MediaDevice& media) : media_(media) {}

    // ---- what the owner scripts ----
    // Called when a line waits for the reader; it must release the line (for example by
    // calling the form's labmain_Click). `reading_ms` passes on the clock first. Under
    // auto-advance the reader acts only when it is quicker than the auto delay.
    std::function<void()> reader;
    std::uint32_t reading_ms = 0;
    static constexpr std::uint32_t kNeverReads = 0x7FFFFFFF;
    std::deque<int> chooser_answers;                      // -1 = close box
    std::deque<std::optional<std::string>> file_answers;  // nothing = cancelled
    Decoder decoder;
    std::function<void(const std::string&)> on_note;  // trace sink
    std::function<void()> on_refresh;                 // called after each refresh

    // ---- what the owner inspects ----
    bool is_visible(Control c) const { return visible_[static_cast<int>(c)]; }
    bool is_enabled(Control c) const { return enabled_[static_cast<int>(c)]; }
    const std::string& message_text() const { return message_; }
    const std::string& notice() const { return notice_; }
    const std::array<StaffLabel, kStaffLabels>& staff() const { return staff_; }
    const std::vector<std::string>& message_boxes() const { return message_boxes_; }
    const std::vector<std::string>& message_box_details() const { return message_box_details_; }
    const std::vector<FileRequest>& file_requests() const { return file_requests_; }
    const std::vector<std::array<std::string, 3>>& choosers() const { return choosers_; }
    const std::vector<std::string>& copied() const { return copied_; }
    bool text_hidden() const { return text_hidden_; }
    bool auto_mark() const { return auto_mark_; }
    bool skip_mark() const { return skip_mark_; }
    int timer_interval(TimerId id) const { return timers_[static_cast<int>(id)].interval; }

    // Waits in a row that neither move the clock nor release a line before the story counts
    // as stalled: the core's loops wait for the next frame or for the reader, so a loop that
    // keeps waiting in place would spin for ever.
    static constexpr int kStillWaits = 1000;

    // Moves the clock by `ms`, firing due timers (the player doing nothing).
    void advance(std::uint32_t ms) {
        still_waits_ = 0;
        wait_until(now_ + ms);
    }
    void set_now(std::uint32_t now) { now_ = now; }

    // ---- Platform ----
    std::uint32_t now_ms() override { return now_; }
    void wait_until(std::uint32_t deadline) override;
    void wait_for_release() override;
    void wait_for_release_until(std::uint32_t deadline) override;
    void release() override { still_waits_ = 0; }
    void process_events() override { waited(now_); }
    void set_timer(TimerId id, int interval_ms, std::function<void()> tick) override;
    void set_timer_interval(TimerId id, int interval_ms) override;
    void exit_game() override { closing_ = true; }
    bool closing() const override { return closing_; }
    void set_visible(Control c, bool v) override { visible_[static_cast<int>(c)] = v; }
    void set_enabled(Control c, bool e) override { enabled_[static_cast<int>(c)] = e; }
    void set_message(const std::string& text) override { message_ = text; }
    void set_face(const Plane*) override {}
    void set_staff(int index, const StaffLabel& label) override;
    void set_notice(const std::string& text) override { notice_ = text; }
    void hide_text(bool hidden) override { text_hidden_ = hidden; }
    void copy_text(const std::string& text) override { copied_.push_back(text); }
    void show_reading_marks(bool auto_on, bool skipping) override {
        auto_mark_ = auto_on;
        skip_mark_ = skipping;
    }
    void refresh_screen(const Plane&) override;
    int choose(const std::array<std::string, 3>& captions) override;
    std::optional<std::string> ask_file(const FileRequest& request) override;
    void message_box(const std::string& text, const std::string& detail) override {
        message_boxes_.push_back(text);
        message_box_details_.push_back(detail);
    }
    bool load_picture(const std::string& path, Plane& into, std::string& error) override;
    MediaDevice& media() override { return media_; }
    void note(const std::string& line) override {
        last_note_ = line;
        if (on_note) on_note(line);
    }

  private:
    // Counts a wait that began at `start`; StoryStalled after too many in a row in place.
    void waited(std::uint32_t start);

    struct Timer {
        int interval = 0;
        std::uint32_t due = 0;
        std::function<void()> tick;
    };

    MediaDevice& media_;
    std::uint32_t now_ = 0;
    bool closing_ = false;
    std::array<Timer, 2> timers_{};
    std::array<bool, kControlCount> visible_{};
    std::array<bool, kControlCount> enabled_{};
    std::string message_;
    std::string notice_;
    std::array<StaffLabel, kStaffLabels> staff_{};
    std::vector<std::string> message_boxes_;
    std::vector<std::string> message_box_details_;
    std::vector<FileRequest> file_requests_;
    std::vector<std::array<std::string, 3>> choosers_;
    std::vector<std::string> copied_;
    bool text_hidden_ = false;
    bool auto_mark_ = false;
    bool skip_mark_ = false;
    int still_waits_ = 0;
    std::string last_note_;
};

}  // namespace hazama
