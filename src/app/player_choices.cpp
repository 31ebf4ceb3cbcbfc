// mainform's remembered choices: fullscreen, the volume, auto-advance and skip, read from
// the settings file at start and written back whenever one changes.
#include "app/main_window.h"

namespace hazama {

void MainWindow::set_volume(int percent) {
    volume_ = percent;
    form_->set_volume(percent);
}

void MainWindow::use_settings(const QString& path) {
    settings_path_ = path;
    remembered_ = Settings::load(path);
    const Settings& s = remembered_;
    // The defaults are what the window has anyway: nothing is called for them.
    if (s.volume != volume_) set_volume(s.volume);
    if (s.auto_speed != form_->reading().auto_speed()) form_->set_auto_speed(s.auto_speed);
    if (s.auto_advance) form_->set_auto(true);
    if (s.skip_read) form_->set_skip(true);
    if (s.fullscreen) set_fullscreen(true);
}

void MainWindow::remember() {
    if (settings_path_.isEmpty()) return;
    const Reading& reading = form_->reading();
    const Settings now{.fullscreen = fullscreen_,
                       .volume = volume_,
                       .auto_advance = reading.auto_on(),
                       .auto_speed = reading.auto_speed(),
                       .skip_read = reading.skip_on()};
    if (now == remembered_) return;
    // A file that cannot be written keeps nothing, silently; the game goes on as chosen.
    if (now.save(settings_path_)) remembered_ = now;
}

}  // namespace hazama
