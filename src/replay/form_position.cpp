// The form's side of restoring a position: back to the state of the window just made, and
// everything shown handed to the platform at once when replay goes live.
#include "form/main_form.h"
#include "replay/checkpoint.h"

namespace hazama {

void MainForm::interrupt() {
    rewinding_ = true;
    platform_.wake();
    platform_.release();
}

void MainForm::reset() {
    game = position = f00 = light = x00 = mes = moup = 0;
    MusicFile.clear();
    ret = 0;
    errStr.clear();
    set_up_title();
    picmask = {};
    portrait = {};
    labstaff = {};
    timer1_interval_ = 10;
    clock_ = {};
    message_line_.clear();
    message_key_.clear();
    dest_name_ = {};
    dest_pos_ = {};
    log_.clear();
    messages_shown_ = 0;
    lines_shown_ = kNoLines;
    pictures_loaded_.clear();
    reading_.history().clear();
    reading_.set_text_hidden(false);
}

std::shared_ptr<const MainForm::Checkpoint> MainForm::checkpoint(const Checkpoint* before) {
    std::array<std::shared_ptr<const Plane>, 6> planes;
    for (std::size_t i = 0; i < planes.size(); ++i) {
        if (before != nullptr && *before->planes[i] == picmain[i]) {
            planes[i] = before->planes[i];
        } else {
            planes[i] = std::make_shared<const Plane>(picmain[i]);
        }
    }
    auto kept = std::make_shared<Checkpoint>();
    *kept = {game,
             position,
             f00,
             light,
             x00,
             mes,
             moup,
             MusicFile,
             planes,
             portrait,
             labstaff,
             visible_,
             enabled_,
             timer1_interval_,
             message_line_,
             message_key_,
             dest_name_,
             dest_pos_,
             log_,
             messages_shown_,
             lines_shown_,
             reading_.history().entries(),
             pictures_loaded_.size()};
    return kept;
}

void MainForm::resume(const Checkpoint& from) {
    game = from.game;
    position = from.position;
    f00 = from.f00;
    light = from.light;
    x00 = from.x00;
    mes = from.mes;
    moup = from.moup;
    MusicFile = from.music_file;
    for (std::size_t i = 0; i < picmain.size(); ++i) picmain[i] = *from.planes[i];
    portrait = from.portrait;
    labstaff = from.labels;
    visible_ = from.visible;
    enabled_ = from.enabled;
    timer1_interval_ = from.timer1_interval;
    message_line_ = from.message_line;
    message_key_ = from.message_key;
    dest_name_ = from.dest_name;
    dest_pos_ = from.dest_pos;
    log_ = from.log;
    messages_shown_ = from.messages_shown;
    lines_shown_ = from.lines_shown;
    reading_.history().replace(from.history);
    reading_.set_text_hidden(false);
    pictures_loaded_.resize(std::min(pictures_loaded_.size(), from.pictures_loaded));
    clock_ = {};
}

void MainForm::show_as_it_stands() {
    for (int i = 0; i < kControlCount; ++i) {
        platform_.set_visible(static_cast<Control>(i), visible_[i]);
        platform_.set_enabled(static_cast<Control>(i), enabled_[i]);
    }
    if (visible(Control::picface) && !portrait.empty()) platform_.set_face(&portrait);
    platform_.hide_text(false);
    show_reading_marks();
    // Time on the replay's clock does not carry over to the live one.
    clock_ = {};
    refresh();
    platform_.set_timer_interval(TimerId::Timer1, timer1_interval_);
    // The piece of this moment, from its beginning.
    if (!MusicFile.empty() && MusicFile != "0") {
        std::string piece;
        piece.swap(MusicFile);
        music(piece);
    }
}

}  // namespace hazama
