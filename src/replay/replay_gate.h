// The platform the form plays on, between it and the real one. In play it passes every
// call on unchanged. While a position is restored it lets the form replay the player's
// commands unseen and unheard: every wait returns at once on a clock of its own, every
// waiting line is released, the chooser answers what the player chose, and nothing is
// drawn, played, traced or asked.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "graphics/plane.h"

#include "audio/media_device.h"
#include "platform/platform.h"
#include "replay/picture_prefetch.h"

namespace hazama {

class ReplayGate : public Platform {
  public:
    explicit ReplayGate(Platform& live) : live_(live) {}

    Platform& live() { return live_; }
    bool replaying() const { return replaying_; }
    // Starts replaying (the clock goes on from the live one) or goes live again.
    void set_replaying(bool on);
    // Called for a line that waits while replaying: it must release it.
    void set_line_release(std::function<void()> release) { release_line_ = std::move(release); }
    // What the story last set on the platform directly, replaying or not.
    struct Shown {
        std::string message;
        std::array<StaffLabel, kStaffLabels> staff{};
    };
    const Shown& shown() const { return shown_; }
    void set_shown(Shown shown) { shown_ = std::move(shown); }
    // Hands the live platform the message line and the credit labels as the replay left
    // them (the story sets them on the platform directly).
    void show_kept();
    // The chooser's next answer while replaying (-1: closed by its close box).
    void answer_chooser(int button) { answers_.push_back(button); }
    // Until the replay ends, decodes `paths` (every load it will make, in order) on a
    // thread of its own, ahead of it.
    void prefetch(std::vector<std::string> paths);

    // ---- Platform ----
    std::uint32_t now_ms() override;
    void wait_until(std::uint32_t deadline) override;
    void wait_for_release() override;
    void wait_for_release_until(std::uint32_t deadline) override;
    void release() override;
    void wake() override;
    void process_events() override;
    void set_timer(TimerId id, int interval_ms, std::function<void()> tick) override;
    void set_timer_interval(TimerId id, int interval_ms) override;
    void exit_game() override { live_.exit_game(); }
    bool closing() const override { return live_.closing(); }
    void set_visible(Control control, bool visible) override;
    void set_enabled(Control control, bool enabled) override;
    void set_message(const std::string& text) override;
    void reveal_message(const std::string& text, std::size_t shown) override;
    void hide_text(bool hidden) override;
    void copy_text(const std::string& text) override;
    void tell(const std::string& text) override;
    void set_face(const Plane* portrait) override;
    void set_staff(int index, const StaffLabel& label) override;
    void set_notice(const std::string& text) override;
    void show_reading_marks(bool auto_on, bool skipping) override;
    void refresh_screen(const Plane& screen) override;
    void dissolve_begins(const Plane& incoming) override;
    int choose(const std::array<std::string, 3>& captions) override;
    std::optional<std::string> ask_file(const FileRequest& request) override;
    void message_box(const std::string& text, const std::string& detail) override;
    bool load_picture(const std::string& path, Plane& into, std::string& error) override;
    MediaDevice& media() override;
    void note(const std::string& line) override;

  private:
    // Answers every command as a device that plays in silence would.
    class SilentDevice : public MediaDevice {
      public:
        std::uint32_t send(const std::string&, std::string& reply) override {
            reply.clear();
            return 0;
        }
        bool error_text(std::uint32_t, std::string&) override { return false; }
    };

    Platform& live_;
    bool replaying_ = false;
    std::uint32_t clock_ = 0;
    std::function<void()> release_line_;
    std::deque<int> answers_;
    Shown shown_;
    SilentDevice silent_;
    // The pictures a replay decoded, by path: a story loads the same ones again and again.
    // They hold kPictureBytes at most, the least recently used going first: the whole
    // story's pictures would more than double the window's memory.
    struct Decoded {
        Plane plane;
        std::uint64_t used = 0;
    };
    std::unordered_map<std::string, Decoded> pictures_;
    std::unique_ptr<PicturePrefetch> prefetch_;
    std::size_t picture_bytes_ = 0;
    std::uint64_t uses_ = 0;

  public:
    static constexpr std::size_t kPictureBytes = std::size_t{16} << 20;
    std::size_t picture_bytes() const { return picture_bytes_; }
};

}  // namespace hazama
