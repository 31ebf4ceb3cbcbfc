// The reader's controls on the form: auto-advance, skip, Ctrl held, the history, the text
// display, the hidden text and the copied line, and the story clock that skip speeds up.
#include "form/main_form.h"

namespace hazama {

void MainForm::show_reading_marks() {
    platform_.show_reading_marks(reading_.auto_on(), reading_.skipping());
    // A waiting line or a running animation looks again at the settings.
    platform_.wake();
}

void MainForm::set_auto(bool on) {
    reading_.set_auto(on);
    show_reading_marks();
}

void MainForm::set_auto_speed(AutoSpeed speed) {
    reading_.set_auto_speed(speed);
    show_reading_marks();
}

void MainForm::set_skip(bool on) {
    reading_.set_skip(on);
    show_reading_marks();
}

void MainForm::set_ctrl(bool held) {
    if (reading_.ctrl_held() == held) return;
    reading_.set_ctrl(held);
    show_reading_marks();
}

void MainForm::press_ctrl() {
    if (reading_.ctrl_held()) return;
    reading_.press_ctrl(platform_.now_ms());
    show_reading_marks();
}

void MainForm::ctrl_chord() {
    if (!reading_.ctrl_held()) return;
    reading_.ctrl_chord();
    show_reading_marks();
}

void MainForm::copy_line() {
    if (!message_line_.empty()) platform_.copy_text(message_line_);
}

void MainForm::set_skip_mode(SkipMode mode) {
    reading_.set_skip_mode(mode);
    platform_.wake();
}

void MainForm::set_text_speed(TextSpeed speed) {
    reading_.set_text_speed(speed);
    platform_.wake();
}

void MainForm::set_copy_lines(bool on) {
    reading_.set_copy_lines(on);
}

bool MainForm::set_text_hidden(bool hidden) {
    if (hidden == reading_.text_hidden()) return true;
    if (hidden && !history_allowed()) return false;
    reading_.set_text_hidden(hidden);
    platform_.hide_text(hidden);
    // A waiting line looks again: auto and skip may go on.
    if (!hidden) platform_.wake();
    return true;
}

void MainForm::stop_skip() {
    if (!reading_.skip_on()) return;
    reading_.set_skip(false);
    note("skip off");
    show_reading_marks();
}

bool MainForm::open_history() {
    if (!history_allowed() || reading_.history_open()) return false;
    reading_.set_history_open(true);
    return true;
}

void MainForm::close_history() {
    if (!reading_.history_open()) return;
    reading_.set_history_open(false);
    platform_.wake();
}

void MainForm::set_menu_open(bool open) {
    reading_.set_menu_open(open);
    if (!open) platform_.wake();
}

std::uint32_t MainForm::platform_now() {
    const std::uint32_t now = platform_.now_ms();
    clock_.set_scale(reading_.time_scale(), now);
    return now;
}

std::uint32_t MainForm::clock_now() {
    return clock_.now(platform_now());
}

}  // namespace hazama
