// The session's face on the desktop: the window's own state, the notices over the scene, the
// message boxes and questions, the slot and settings screens, each shown through the Qt
// platform's one modal loop, and the scene's small picture.
#pragma once

#include "desktop/positions.h"
#include "shell/face.h"

namespace hazama {

class MainWindow;
class QtPlatform;

class DesktopFace : public Face {
  public:
    DesktopFace(MainWindow& window, QtPlatform& platform);

    bool fullscreen() const override;
    void set_fullscreen(bool on) override;
    int window_size() const override;
    void set_window_size(int percent) override;
    int first_window_size() const override;
    bool history_both() const override;
    void set_history_both(bool both) override;
    void set_language(Language language) override;
    void notice(const std::string& text) override;
    void warn(const std::string& text, const std::string& detail) override;
    bool ask(const std::string& question, bool yes_first) override;
    void show_slots(SlotPages& pages) override;
    bool show_settings(const Settings& current, const std::function<void(const Settings&)>& choose,
                       bool title_offered) override;
    std::string thumbnail_png(const Plane& screen) override;
    void run_script(const std::function<void()>& script) override;

  private:
    MainWindow& window_;
    QtPlatform& platform_;
    PositionNotice notice_;
};

}  // namespace hazama
