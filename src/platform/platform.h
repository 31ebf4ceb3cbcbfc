// The one seam between the game core and the outside world: clock, waits, widgets, dialogs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace hazama {

struct Plane;
class MediaDevice;

// Controls of the main window whose visibility or enabled state the core changes.
enum class Control : std::uint8_t {
    comsave,
    comload,
    comstart,
    comend,
    commove,
    comtalk,
    comlook,
    picmain0,
    picface,
    imamou0,
    imamou1,
};
inline constexpr int kControlCount = 11;

// The command buttons by name: as the trace reports them shown or hidden, and as the
// runner's script presses them.
struct ButtonName {
    Control control;
    const char* name;     // "comlook"
    const char* command;  // "look"
};
inline constexpr std::array<ButtonName, 7> kButtonNames{{
    {Control::comsave, "comsave", "save"},
    {Control::comload, "comload", "load"},
    {Control::comstart, "comstart", "new"},
    {Control::comend, "comend", "quit"},
    {Control::commove, "commove", "move"},
    {Control::comtalk, "comtalk", "talk"},
    {Control::comlook, "comlook", "look"},
}};

// The entry of a command button; nullptr for the other controls.
constexpr const ButtonName* button_name(Control control) {
    for (const ButtonName& b : kButtonNames) {
        if (b.control == control) return &b;
    }
    return nullptr;
}

// The window's timers: the music watcher and the waiting indicator.
enum class TimerId : std::uint8_t { Timer1, Timer2 };

// One credit label over the picture area (the opening's credits and the staff roll).
inline constexpr int kStaffLabels = 11;
struct StaffLabel {
    std::string text;
    int x = 0;
    int y = 0;
    double point_size = 9;
    bool bold = false;
    bool white = false;
    bool visible = false;
    bool operator==(const StaffLabel&) const = default;
};

// What the save and load commands ask of the file dialog.
struct FileRequest {
    bool save = false;              // save dialog (with overwrite prompt) or open dialog
    std::string title;              // dialog caption
    std::string initial_dir;        // folder the dialog opens in
    std::string filter;             // "description|pattern|" as the game writes it
    std::string default_extension;  // appended to a typed name without one
};

// Everything the core needs from the platform. Two implementations exist: the Qt window
// (real time, real widgets) and the virtual platform (virtual clock, scripted input).
class Platform {
  public:
    virtual ~Platform() = default;

    // --- time ---
    // A 32-bit millisecond counter; elapsed times are computed with unsigned wrap-around.
    virtual std::uint32_t now_ms() = 0;
    // Serves events (timers, input, repaints) until now_ms() has reached `deadline`, or the
    // game is closing.
    virtual void wait_until(std::uint32_t deadline) = 0;
    // Serves events until release() is called or the game is closing.
    virtual void wait_for_release() = 0;
    // Serves events until release() is called, `deadline` has passed, wake() is called or
    // the game is closing (auto-advance).
    virtual void wait_for_release_until(std::uint32_t deadline) = 0;
    // Ends the current wait_for_release (a release input arrived).
    virtual void release() = 0;
    // Ends the current wait of either kind early, so that the core looks again at the
    // reader's settings (Ctrl pressed, auto or skip switched, the history closed).
    virtual void wake() {}
    // Lets pending events run once without blocking.
    virtual void process_events() = 0;
    // Starts, restarts or (interval 0) stops one of the window's timers.
    virtual void set_timer(TimerId id, int interval_ms, std::function<void()> tick) = 0;
    virtual void set_timer_interval(TimerId id, int interval_ms) = 0;

    // --- closing ---
    // Ends the program: every wait returns at once and closing() turns true.
    virtual void exit_game() = 0;
    virtual bool closing() const = 0;

    // --- widgets ---
    virtual void set_visible(Control control, bool visible) = 0;
    virtual void set_enabled(Control control, bool enabled) = 0;
    virtual void set_message(const std::string& text) = 0;  // the message line labmain
    // Letter-by-letter display: the message line holds `text` but shows only its first
    // `shown` bytes for now (whole UTF-8 sequences). set_message shows a text whole.
    virtual void reveal_message(const std::string& text, std::size_t shown) {
        set_message(text.substr(0, shown));
    }
    // The message line and the portrait hidden, so that the picture is seen alone, or shown
    // again.
    virtual void hide_text(bool hidden) { (void)hidden; }
    // Puts a line on the desktop's clipboard (as the message line shows it).
    virtual void copy_text(const std::string& text) { (void)text; }
    // A short notice over the scene that goes by itself ("セーブしました"); the trace has none.
    virtual void tell(const std::string& text) { (void)text; }
    virtual void set_face(const Plane* portrait) = 0;  // nullptr: keep the box's picture
    virtual void set_staff(int index, const StaffLabel& label) = 0;
    virtual void set_notice(const std::string& text) = 0;  // labcopy, the maker's notice
    // The marks beside the waiting indicator: auto-advance on, lines being skipped.
    virtual void show_reading_marks(bool auto_on, bool skipping) {
        (void)auto_on;
        (void)skipping;
    }
    // Shows the screen plane in the visible scene picture.
    virtual void refresh_screen(const Plane& screen) = 0;
    // A dissolve begins: until the screen plane equals `incoming`, each refresh shows more
    // of its pixels turned to `incoming`'s. A platform that scales the picture may scale
    // `incoming` once now instead of the whole screen at every frame; nothing else changes.
    virtual void dissolve_begins(const Plane& incoming) { (void)incoming; }

    // --- modal windows ---
    // The move chooser: returns the pressed button 0..3, or -1 when closed by its close box.
    virtual int choose(const std::array<std::string, 3>& captions) = 0;
    // The file dialog: the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> ask_file(const FileRequest& request) = 0;
    // A message box with the game's own words; `detail`, when not empty, is the secondary
    // text below them (why a file failed, and which).
    virtual void message_box(const std::string& text, const std::string& detail) = 0;

    // --- data ---
    // Decodes a picture file; false (with a reason) when it is missing or unreadable.
    virtual bool load_picture(const std::string& path, Plane& into, std::string& error) = 0;
    virtual MediaDevice& media() = 0;

    // One observable step of the story for the runner's trace; the window ignores it.
    virtual void note(const std::string& line) { (void)line; }
};

}  // namespace hazama
