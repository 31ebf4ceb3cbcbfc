// The session's face in the browser: the page's own state (fullscreen, its words), the notices
// over the scene, the questions and message boxes, the slot and settings screens drawn as HTML
// dialogs and answered through the page's queue, and the scene's small picture.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "shell/face.h"

namespace hazama {

class WebPlatform;

class WebFace : public Face {
  public:
    explicit WebFace(WebPlatform& platform) : platform_(platform) {}

    // How the face translates its own words (the form's translator, once there is a form).
    void set_translate(std::function<std::string(const char*)> translate) {
        translate_ = std::move(translate);
    }

    bool fullscreen() const override;
    void set_fullscreen(bool on) override;
    // The page fills the browser's window: the size is kept for the desktop's sake only.
    int window_size() const override { return window_size_; }
    void set_window_size(int percent) override { window_size_ = percent; }
    bool history_both() const override { return history_both_; }
    void set_history_both(bool both) override { history_both_ = both; }
    void set_language(Language language) override;
    void notice(const std::string& text) override;
    void warn(const std::string& text, const std::string& detail) override;
    bool ask(const std::string& question, bool yes_first) override;
    void show_slots(SlotPages& pages) override;
    bool show_settings(const Settings& current, const std::function<void(const Settings&)>& choose,
                       bool title_offered) override;
    std::string thumbnail_png(const Plane& screen) override;
    void run_script(const std::function<void()>& script) override;

    // A word of the face's, in the language in force.
    std::string words(const char* japanese) const;

  private:
    WebPlatform& platform_;
    std::function<std::string(const char*)> translate_;
    int window_size_ = 100;
    bool history_both_ = false;
    std::string thumbnail_;  // the last scene's small picture, and the scene's digest
    std::uint64_t thumbnail_digest_ = 0;
};

}  // namespace hazama
