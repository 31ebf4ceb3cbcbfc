// The player's remembered choices (player_choices.h).
#include "shell/player_choices.h"

#include "form/main_form.h"
#include "shell/face.h"

namespace hazama {

void PlayerChoices::set_volume(int percent) {
    volume_ = percent;
    form_.set_volume(percent);
}

void PlayerChoices::use_settings(const SettingsFile& file, std::optional<Language> forced,
                                 Language desktop) {
    path_ = file.path;
    const SettingValues values = read_settings_file(file.path);
    remembered_ = Settings::from_values(values);
    language_ = remembered_.language;
    show_language(starting_language(forced, remembered_.language, desktop));
    apply(remembered_);
    // With no size remembered, the window starts at the size that suits the screen (kept
    // once a choice is written).
    if (!values.contains("window_size")) face_.set_window_size(face_.first_window_size());
}

void PlayerChoices::set_language(Language language) {
    language_ = language;
    show_language(language);
    remember();
}

// The form first: the window's texts follow the form's catalogue.
void PlayerChoices::show_language(Language language) {
    form_.set_language(language);
    face_.set_language(language);
}

Settings PlayerChoices::now() const {
    const Reading& reading = form_.reading();
    return Settings{.fullscreen = face_.fullscreen(),
                    .volume = volume_,
                    .auto_advance = reading.auto_on(),
                    .auto_speed = reading.auto_speed(),
                    .skip_read = reading.skip_on(),
                    .skip_mode = reading.skip_mode(),
                    .text_speed = reading.text_speed(),
                    .window_size = face_.window_size(),
                    .copy_lines = reading.copy_lines(),
                    .language = language_,
                    .history_both = face_.history_both()};
}

// Only what differs is called for: the defaults are what the game has anyway.
void PlayerChoices::apply(const Settings& s) {
    const Settings was = now();
    if (s.volume != was.volume) set_volume(s.volume);
    if (s.auto_speed != was.auto_speed) form_.set_auto_speed(s.auto_speed);
    if (s.auto_advance != was.auto_advance) form_.set_auto(s.auto_advance);
    if (s.skip_read != was.skip_read) form_.set_skip(s.skip_read);
    if (s.skip_mode != was.skip_mode) form_.set_skip_mode(s.skip_mode);
    if (s.text_speed != was.text_speed) form_.set_text_speed(s.text_speed);
    if (s.copy_lines != was.copy_lines) form_.set_copy_lines(s.copy_lines);
    if (s.window_size != was.window_size) face_.set_window_size(s.window_size);
    if (s.fullscreen != was.fullscreen) face_.set_fullscreen(s.fullscreen);
    if (s.language && s.language != was.language) set_language(*s.language);
    if (s.history_both != was.history_both) face_.set_history_both(s.history_both);
}

void PlayerChoices::choose(const Settings& chosen) {
    apply(chosen);
    remember();
}

void PlayerChoices::remember() {
    if (path_.empty()) return;
    const Settings now = this->now();
    if (now == remembered_) return;
    // A file that cannot be written keeps nothing, silently; the game goes on as chosen.
    if (now.save(path_)) remembered_ = now;
}

}  // namespace hazama
