// The player's remembered choices (player_choices.h).
#include "app/player_choices.h"

#include "app/main_window.h"
#include "form/main_form.h"

namespace hazama {

void PlayerChoices::set_volume(int percent) {
    volume_ = percent;
    form_.set_volume(percent);
}

void PlayerChoices::use_settings(const QString& path) {
    path_ = path;
    remembered_ = Settings::load(path);
    const Settings& s = remembered_;
    // The defaults are what the game has anyway: nothing is called for them.
    if (s.volume != volume_) set_volume(s.volume);
    if (s.auto_speed != form_.reading().auto_speed()) form_.set_auto_speed(s.auto_speed);
    if (s.auto_advance) form_.set_auto(true);
    if (s.skip_read) form_.set_skip(true);
    if (s.fullscreen) window_.set_fullscreen(true);
}

void PlayerChoices::remember() {
    if (path_.isEmpty()) return;
    const Reading& reading = form_.reading();
    const Settings now{.fullscreen = window_.fullscreen(),
                       .volume = volume_,
                       .auto_advance = reading.auto_on(),
                       .auto_speed = reading.auto_speed(),
                       .skip_read = reading.skip_on()};
    if (now == remembered_) return;
    // A file that cannot be written keeps nothing, silently; the game goes on as chosen.
    if (now.save(path_)) remembered_ = now;
}

}  // namespace hazama
