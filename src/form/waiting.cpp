// The message line and the waits: message, messtop, pause_ms, the release inputs and the
// blinking waiting indicator.
#include <string>

#include "form/main_form.h"

namespace hazama {
namespace {

// The trace writes CR LF inside a message as \n.
std::string one_line(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else if (text[i] == '\n') {
            out += "\\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

void MainForm::message(std::string_view text) {
    platform_.set_message(std::string(text));
    note("message " + one_line(text));
    messtop();
}

void MainForm::messtop() {
    mes = 1;
    while (mes == 1) {
        throw_if_closing();
        platform_.wait_for_release();
    }
    throw_if_closing();
}

void MainForm::pause_ms(int ms) {
    note("pause " + std::to_string(ms));
    const std::uint32_t start = platform_.now_ms();
    if (ms <= 0) return;
    const auto span = static_cast<std::uint32_t>(ms);
    while (platform_.now_ms() - start < span) wait_until(start + span);
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
