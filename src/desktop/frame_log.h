// The frame log for tools/measure: a platform that passes every call on to another and
// writes the story's steps and every screen refresh to standard error, with the clock the
// waits use and the process's CPU time. The game puts it in front of its platform when
// HAZAMA_LOG_FRAMES is set.
#pragma once

#include <functional>

#include "platform/platform.h"

namespace hazama {

class FrameLog : public Platform {
  public:
    // `clock_ms` reads the inner platform's clock to a fraction of a millisecond.
    FrameLog(Platform& inner, std::function<double()> clock_ms)
        : inner_(inner), clock_ms_(std::move(clock_ms)) {}

    // Logged: "note MS cpu MS LINE", the clock's next reading after it as "clock MS" (a
    // dissolve's start, exactly), and "frame ASKED DONE cpu MS" for every refresh.
    void note(const std::string& line) override;
    std::uint32_t now_ms() override;
    void refresh_screen(const Plane& screen) override;

    // Passed on unchanged.
    void wait_until(std::uint32_t deadline) override { inner_.wait_until(deadline); }
    void wait_for_release() override { inner_.wait_for_release(); }
    void wait_for_release_until(std::uint32_t deadline) override {
        inner_.wait_for_release_until(deadline);
    }
    void release() override { inner_.release(); }
    void wake() override { inner_.wake(); }
    void process_events() override { inner_.process_events(); }
    void set_timer(TimerId id, int interval_ms, std::function<void()> tick) override {
        inner_.set_timer(id, interval_ms, std::move(tick));
    }
    void set_timer_interval(TimerId id, int interval_ms) override {
        inner_.set_timer_interval(id, interval_ms);
    }
    void exit_game() override { inner_.exit_game(); }
    bool closing() const override { return inner_.closing(); }
    void set_visible(Control control, bool visible) override {
        inner_.set_visible(control, visible);
    }
    void set_enabled(Control control, bool enabled) override {
        inner_.set_enabled(control, enabled);
    }
    void set_message(const std::string& text) override { inner_.set_message(text); }
    void reveal_message(const std::string& text, std::size_t shown) override {
        inner_.reveal_message(text, shown);
    }
    void hide_text(bool hidden) override { inner_.hide_text(hidden); }
    void copy_text(const std::string& text) override { inner_.copy_text(text); }
    void set_face(const Plane* portrait) override { inner_.set_face(portrait); }
    void set_staff(int index, const StaffLabel& label) override { inner_.set_staff(index, label); }
    void set_notice(const std::string& text) override { inner_.set_notice(text); }
    void show_reading_marks(bool auto_on, bool skipping) override {
        inner_.show_reading_marks(auto_on, skipping);
    }
    void dissolve_begins(const Plane& incoming) override { inner_.dissolve_begins(incoming); }
    int choose(const std::array<std::string, 3>& captions) override {
        return inner_.choose(captions);
    }
    std::optional<std::string> ask_file(const FileRequest& request) override {
        return inner_.ask_file(request);
    }
    void message_box(const std::string& text, const std::string& detail) override {
        inner_.message_box(text, detail);
    }
    bool load_picture(const std::string& path, Plane& into, std::string& error) override {
        return inner_.load_picture(path, into, error);
    }
    MediaDevice& media() override { return inner_.media(); }

  private:
    Platform& inner_;
    std::function<double()> clock_ms_;
    bool clock_after_note_ = false;  // the log awaits the clock's next reading
};

}  // namespace hazama
