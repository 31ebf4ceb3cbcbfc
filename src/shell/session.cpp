// The game as either face plays it (session.h).
#include "shell/session.h"

#include "shell/face.h"

namespace hazama {

Session::Session(Platform& platform, MediaDevice& media, Face& face, const Options& options)
    : face_(face) {
    // Between the platform and the form: restoring a position replays unseen through it.
    gate_ = std::make_unique<ReplayGate>(platform);
    form_ = std::make_unique<MainForm>(*gate_, options.root);
    replayer_ = std::make_unique<Replayer>(*form_, *gate_);
    positions_ = std::make_unique<PositionKeeper>(face_, *form_, *replayer_, media, options.data);
    replayer_->on_arrival = [this] { positions_->autosave(); };
    replayer_->on_changed_story = [this](const Position&, const Position&) {
        face_.warn(form_->translated("この場面は今の物語では再現できません。"
                                     "その前の場所から始めます。"),
                   "");
    };
    choices_ = std::make_unique<PlayerChoices>(face_, *form_);
}

Session::~Session() = default;

void Session::click(FormHandler handler) {
    MainForm* const form = form_.get();
    Replayer* const replayer = replayer_.get();
    face_.run_script(
        [form, replayer, handler] { replayer->run([form, handler] { (form->*handler)(); }); });
}

void Session::unload() {
    // Closing never loses the position: it is kept in the automatic slot first.
    positions_->autosave();
    form_->Form_Unload();
}

InputContext Session::context(bool history_open, bool history_chosen) const {
    return {.text_hidden = form_->reading().text_hidden(),
            .history_open = history_open,
            .history_allowed = form_->history_allowed(),
            .history_chosen = history_chosen,
            .ahead = positions_->can_step_forward(),
            .in_opening = form_->in_opening(),
            .opening_skippable = form_->opening_skippable()};
}

bool Session::perform(Do action, const KeyInput* key) {
    MainForm& form = *form_;
    switch (action) {
        case Do::swallow:
            return true;
        case Do::release: {
            const int code = key != nullptr ? release_code(*key) : 13;
            face_.run_script([&form, code] { form.Form_KeyPress(code); });
            return true;
        }
        case Do::show_text:
            form.set_text_hidden(false);
            return true;
        case Do::hide_text:
            form.set_text_hidden(true);
            return true;
        case Do::ctrl_down:
            form.press_ctrl();
            return true;
        case Do::ctrl_up:
            form.set_ctrl(false);
            return true;
        case Do::peek_on:
        case Do::peek_off:
            form.peek_english(action == Do::peek_on);
            return true;
        case Do::fullscreen:
            face_.set_fullscreen(!face_.fullscreen());
            choices_->remember();
            return true;
        case Do::chord:
            form.ctrl_chord();
            return true;
        case Do::copy_line:
            form.ctrl_chord();
            form.copy_line();
            return true;
        case Do::go_back:
            form.ctrl_chord();
            positions_->step_back();
            return true;
        case Do::go_forward:
            form.ctrl_chord();
            positions_->step_forward();
            return true;
        case Do::toggle_auto:
            form.set_auto(!form.reading().auto_on());
            choices_->remember();
            return true;
        case Do::toggle_skip:
            form.set_skip(!form.reading().skip_on());
            choices_->remember();
            return true;
        case Do::skip_opening:
            form.skip_opening();
            return true;
        case Do::quick_save:
            positions_->quick_save();
            return true;
        case Do::quick_load:
            positions_->quick_load();
            return true;
        case Do::save_slots:
        case Do::load_slots:
            positions_->open_slots(action == Do::save_slots);
            return true;
        default:
            return false;
    }
}

MenuState Session::menu_state() const {
    const Reading& reading = form_->reading();
    return {.at_title = positions_->at_title(),
            .history_allowed = form_->history_allowed(),
            .has_line = !form_->message_line().empty(),
            .auto_on = reading.auto_on(),
            .auto_speed = reading.auto_speed(),
            .skip_on = reading.skip_on(),
            .fullscreen = face_.fullscreen(),
            .volume = choices_->volume(),
            .language = form_->language()};
}

void Session::choose(MenuItem item, int value, bool checked) {
    MainForm& form = *form_;
    switch (item) {
        case MenuItem::continue_game:
            positions_->quick_load();
            break;
        case MenuItem::history:
            break;  // the face opens it
        case MenuItem::auto_advance:
            form.set_auto(checked);
            break;
        case MenuItem::auto_speed:
            form.set_auto_speed(static_cast<AutoSpeed>(value));
            form.set_auto(true);
            break;
        case MenuItem::skip:
            form.set_skip(checked);
            break;
        case MenuItem::fullscreen:
            face_.set_fullscreen(checked);
            break;
        case MenuItem::volume:
            choices_->set_volume(value);
            break;
        case MenuItem::copy_line:
            form.copy_line();
            break;
        case MenuItem::hide_text:
            form.set_text_hidden(true);
            break;
        case MenuItem::language:
            choices_->set_language(static_cast<Language>(value));
            break;
        case MenuItem::save:
        case MenuItem::load:
            positions_->open_slots(item == MenuItem::save);
            break;
        case MenuItem::settings:
            open_settings();
            break;
        case MenuItem::back_to_title:
            positions_->back_to_title();
            break;
    }
    choices_->remember();
}

void Session::open_settings() {
    // Auto and skip wait while the settings are open, as for the menu.
    form_->set_menu_open(true);
    const bool to_title = face_.show_settings(
        choices_->now(), [this](const Settings& chosen) { choices_->choose(chosen); },
        menu_state().enabled(MenuItem::back_to_title));
    form_->set_menu_open(false);
    if (to_title) positions_->back_to_title();
}

const std::deque<HistoryEntry>& Session::history_entries() const {
    return form_->reading().history().entries();
}

std::vector<int> Session::history_lines_back() const {
    return positions_->lines_back(history_entries());
}

}  // namespace hazama
