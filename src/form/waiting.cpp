// The message line and the waits: message, messtop, pause_ms, the release inputs and the
// blinking waiting indicator.
#include <string>

#include "form/main_form.h"
#include "form/scoped_value.h"

namespace hazama {

void MainForm::message(std::string_view text) {
    platform_.set_message(std::string(text));
    note("message " + one_line(text));
    reading_.shown(text, platform_.now_ms());
    messtop();
}

// Skip releases the line at once; auto-advance waits its delay unless the reader is
// quicker. Either looks again whenever the reader's settings change during the wait.
void MainForm::messtop() {
    mes = 1;
    const ScopedValue busy(busy_, Busy::line);
    while (mes == 1) {
        throw_if_closing();
        bool skip_stopped = false;
        const bool skip = reading_.skips_line(skip_stopped);
        if (skip_stopped) {
            note("skip off");
            show_reading_marks();
        }
        if (skip) {
            mes = 0;
            note("release skip");
            break;
        }
        const std::uint32_t delay = reading_.auto_delay_now();
        if (delay == 0) {
            platform_.wait_for_release();
            continue;
        }
        const std::uint32_t start = platform_.now_ms();
        platform_.wait_for_release_until(start + delay);
        if (mes == 1 && !platform_.closing() && platform_.now_ms() - start >= delay) {
            mes = 0;
            note("release auto " + std::to_string(delay));
        }
    }
    throw_if_closing();
}

void MainForm::pause_ms(int ms) {
    note("pause " + std::to_string(ms));
    const std::uint32_t start = clock_now();
    if (ms <= 0) return;
    const auto span = static_cast<std::uint32_t>(ms);
    while (clock_now() - start < span) wait_until(start + span);
}

void MainForm::Form_Click() {
    mes = 0;
    platform_.release();
}

void MainForm::Form_KeyPress(int key_ascii) {
    if (key_ascii == 32 || key_ascii == 13) Form_Click();
}

void MainForm::Timer2_Timer() {
    if (mes == 1) {
        if (moup == 1) {
            set_visible(Control::imamou0, true);
            set_visible(Control::imamou1, false);
            moup = 0;
        } else if (moup == 0) {
            set_visible(Control::imamou1, true);
            set_visible(Control::imamou0, false);
            moup = 1;
        }
    } else if (mes == 0) {
        set_visible(Control::imamou0, false);
        set_visible(Control::imamou1, false);
    }
}

}  // namespace hazama
