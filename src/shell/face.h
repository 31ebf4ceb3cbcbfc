// What the session asks of the face it is shown in — the Qt window or the web page: the
// window's own state, the player's notices and questions, the slot and settings screens, the
// small picture of a scene, and running a script the player started. Each face implements it
// over its own widgets; the session decides everything else.
#pragma once

#include <functional>
#include <string>

#include "shell/settings.h"
#include "text/catalogue.h"

namespace hazama {

struct Plane;
class SlotPages;
struct Settings;

class Face {
  public:
    virtual ~Face() = default;

    // ---- the window's own state, remembered with the settings ----
    virtual bool fullscreen() const = 0;
    virtual void set_fullscreen(bool on) = 0;
    // The window's size when not fullscreen, in percent (one of kWindowSizes).
    virtual int window_size() const = 0;
    virtual void set_window_size(int percent) = 0;
    // The size to start at when none is remembered (the screen's to say).
    virtual int first_window_size() const { return kWindowSizes.front(); }
    // While in Japanese, the history lists each line's English under it.
    virtual bool history_both() const = 0;
    virtual void set_history_both(bool both) = 0;
    // The face's own texts in `language` (the form redraws the line itself).
    virtual void set_language(Language language) = 0;

    // ---- telling and asking; every text is in the language in force already ----
    // A short notice over the scene that goes by itself ("クイックセーブしました").
    virtual void notice(const std::string& text) = 0;
    // A message box over whatever is on top, with the reason below: waits for the player.
    virtual void warn(const std::string& text, const std::string& detail) = 0;
    // A question with yes and no, `yes_first` the default; false also when the game closes.
    virtual bool ask(const std::string& question, bool yes_first) = 0;

    // ---- screens over the game, each modal ----
    // The slot screen over `pages`; returns once it has closed (pages.chosen() says what to
    // load).
    virtual void show_slots(SlotPages& pages) = 0;
    // The settings screen showing `current`; `choose` gets the whole of the choices after
    // every change, and applies them at once. While `title_offered`, the screen also offers
    // going back to the title; returns whether the player chose it.
    virtual bool show_settings(const Settings& current,
                               const std::function<void(const Settings&)>& choose,
                               bool title_offered) = 0;

    // The scene, small (half its size), as PNG bytes for a slot card; empty when it cannot.
    virtual std::string thumbnail_png(const Plane& screen) = 0;
    // Runs a script the player started (a command, a restore): a closed game ends it
    // quietly, a fatal error is reported; nothing is thrown back to the face's own frames.
    virtual void run_script(const std::function<void()>& script) = 0;
};

}  // namespace hazama
