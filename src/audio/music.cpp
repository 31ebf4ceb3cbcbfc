// The music player: the command wrapper mci_send, music(), and the loop watcher Timer1.
#include "audio/media_device.h"
#include "form/main_form.h"
#include "save/save_file.h"

namespace hazama {

std::int32_t MainForm::mci_send(const std::string& command, std::string& reply) {
    if (command.empty()) {
        reply = "コマンド文字が指定されていません";
        return -1;
    }
    // The watcher's status polls would flood the trace; every other command is noted.
    if (command != "status x1 mode") note("mci " + command);
    MediaDevice& device = platform_.media();
    std::string answer;
    const std::uint32_t code = device.send(command, answer);
    if (code == 0) {
        reply = answer.substr(0, answer.find('\0'));
        return 0;
    }
    std::string text;
    if (device.error_text(code, text)) {
        reply = text.substr(0, text.find('\0'));
    } else {
        reply = "Error(文字列が取れません)";
    }
    return static_cast<std::int32_t>(code);
}

void MainForm::music(std::string_view name) {
    if (name == MusicFile) return;
    MusicFile = std::string(name);
    if (name == "0") {
        ret = static_cast<std::int16_t>(mci_send("close x1", errStr));
        return;
    }
    ret = static_cast<std::int16_t>(mci_send("close x1", errStr));
    // A name that a save file could not hold (a quote would end the quoted path early and
    // let the rest pass for words of the command) is never put into one: nothing plays.
    if (!music_name_ok(name)) return;
    const std::string path = (root_ / "music" / (std::string(name) + ".mid")).string();
    ret = static_cast<std::int16_t>(mci_send("open \"" + path + "\" alias x1 notify", errStr));
    ret = static_cast<std::int16_t>(mci_send("play x1", errStr));
    // Wake the watcher, which rests while nothing is open.
    if (timer1_interval_ > 0) platform_.set_timer_interval(TimerId::Timer1, timer1_interval_);
}

void MainForm::Timer1_Timer() {
    ret = static_cast<std::int16_t>(mci_send("status x1 mode", errStr));
    if (ret != 0) {
        // Nothing is open, and every poll would fail alike until music() opens a piece:
        // rest rather than wake the window a hundred times a second for nothing.
        platform_.set_timer_interval(TimerId::Timer1, 0);
        return;
    }
    if (errStr == "stopped") {
        ret = static_cast<std::int16_t>(mci_send("seek x1 to start", errStr));
        ret = static_cast<std::int16_t>(mci_send("play x1", errStr));
    }
}

void MainForm::set_timer1_interval(int interval_ms) {
    timer1_interval_ = interval_ms;
    note("timer1 " + std::to_string(interval_ms));
    platform_.set_timer_interval(TimerId::Timer1, interval_ms);
}

void MainForm::set_volume(int percent) {
    platform_.media().set_volume(percent);
}

}  // namespace hazama
