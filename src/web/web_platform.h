// The platform of the browser: the page's controls, a clock and waits that suspend the module
// on the page's promises (Asyncify), the browser's picture decoder and dialogs.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "web/web_action.h"
#include "web/web_timers.h"

namespace hazama {

class WebPlatform : public Platform {
  public:
    // `root` is the folder (in the module's memory) that holds gra/ and music/; the pictures
    // are fetched from the same names relative to the page.
    WebPlatform(MediaDevice& media, std::string root);

    // What the game does with the player's actions (web_input.h), set by main; called inside
    // the waits, one action at a time, never from the page's own event handlers.
    void set_dispatcher(std::function<void(const WebAction&)> dispatch) {
        dispatch_ = std::move(dispatch);
    }
    // Whether a saved game can be continued, for the title's hint; none when unset.
    void set_has_save(std::function<bool()> has_save) { has_save_ = std::move(has_save); }
    // What the game does as each line starts to wait for the reader.
    void set_on_line(std::function<void()> on_line) { on_line_ = std::move(on_line); }
    // How the platform's own messages are translated (the form's translator).
    void set_translate(std::function<std::string(const char*)> translate) {
        translate_ = std::move(translate);
    }
    // What closing the game runs (the form's unload); exit_game when none is set.
    void set_unload(std::function<void()> unload) { unload_ = std::move(unload); }
    // Nothing runs: serves the page's actions and the timers until the game closes.
    void run_idle();
    // Runs a script started by an action or a timer: a closing game ends it quietly, any other
    // failure is told to the player and ends the game. Nothing is thrown out of it.
    void run_script(const std::function<void()>& script);
    // Ends the game after `text` (a failure) was shown.
    void fail(const std::string& text);
    // Ends the game after a failure that no message says more of.
    void fail_unexpectedly();
    // Waits for the answer of a dialog the page has opened (the game's own or the session's
    // screens); nothing when the game closed meanwhile.
    std::optional<WebAction> run_dialog(const char* phase);

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
    void exit_game() override;
    bool closing() const override { return closing_; }
    void set_visible(Control control, bool visible) override;
    void set_enabled(Control control, bool enabled) override;
    void set_message(const std::string& text) override;
    // English is laid out here by the core's rules, as the desktop lays it out, and the page
    // draws its lines; a Japanese line the page wraps itself.
    void reveal_message(const std::string& text, std::size_t shown) override;
    void hide_text(bool hidden) override;
    void copy_text(const std::string& text) override;
    void tell(const std::string& text) override;
    void set_face(const Plane* portrait) override;
    void set_staff(int index, const StaffLabel& label) override;
    void set_notice(const std::string& text) override;
    void show_reading_marks(bool auto_on, bool skipping) override;
    void refresh_screen(const Plane& screen) override;
    int choose(const std::array<std::string, 3>& captions) override;
    std::optional<std::string> ask_file(const FileRequest& request) override;
    void message_box(const std::string& text, const std::string& detail) override;
    bool load_picture(const std::string& path, Plane& into, std::string& error) override;
    MediaDevice& media() override { return media_; }
    void note(const std::string& line) override;

  private:
    struct Wait {
        std::optional<std::uint32_t> deadline;
        bool releasable = false;
        bool ended = false;
        const char* phase = "busy";
    };
    // Serves timers and actions until `wait` ends, its deadline passes or the game closes.
    void run_wait(Wait& wait);
    // Fires the timers that are due and hands on the page's actions, one at a time, until one
    // ends `wait` or none is left.
    void serve(Wait& wait);
    void handle(const WebAction& action);
    // The tests' mode goes on in real time from where its virtual clock stands.
    void go_real_time();
    // The real clock to the fraction of a millisecond.
    double precise_now() const;
    // How long to sleep towards a wait's `deadline`: a little short of it, since the browser's
    // timers come late by up to a millisecond, and then only turns of the browser up to it.
    int sleep_towards(std::uint32_t deadline) const;

    MediaDevice& media_;
    std::string root_;
    bool virtual_ = false;
    bool tracing_ = false;
    std::uint32_t clock_ = 0;  // the virtual clock
    double started_ms_ = 0;    // the real clock's zero
    // The deadline of the last timed wait to end: the time the frame after it was due.
    std::optional<std::uint32_t> last_deadline_;
    double woke_ms_ = 0;  // when that wait saw its deadline pass
    WebTimers timers_;
    std::vector<Wait*> waits_;
    bool closing_ = false;
    std::string failure_;     // what ended the game, when it failed
    Wait* dialog_ = nullptr;  // the wait of the dialog open in the page
    std::optional<WebAction> answer_;
    std::function<void(const WebAction&)> dispatch_;
    std::function<void()> unload_;
    std::function<bool()> has_save_;
    std::function<void()> on_line_;
    std::function<std::string(const char*)> translate_;
    std::vector<std::uint8_t> rgba_;  // the screen's pixels as the canvas takes them
};

}  // namespace hazama
