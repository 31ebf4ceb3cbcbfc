// The reader's controls on the form: auto-advance, skip, Ctrl held and the history, and
// the story clock that skip speeds up.
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
