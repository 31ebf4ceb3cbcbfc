// The main form's life cycle: creation, entering play, quitting, and the shared helpers.
#include "form/main_form.h"

#include "graphics/stage.h"
#include "platform/asset_path.h"

namespace hazama {

MainForm::MainForm(Platform& platform, std::filesystem::path root)
    : platform_(platform), root_(std::move(root)), translator_(root_) {
    set_up_title();
    platform_.set_timer(TimerId::Timer1, timer1_interval_, [this] { Timer1_Timer(); });
    platform_.set_timer(TimerId::Timer2, 300, [this] { Timer2_Timer(); });
}

void MainForm::set_up_title() {
    visible_ = {};
    enabled_ = {};
    for (Control c : {Control::comload, Control::comstart}) {
        visible_[static_cast<int>(c)] = true;
        enabled_[static_cast<int>(c)] = true;
    }
    enabled_[static_cast<int>(Control::comend)] = true;
    enabled_[static_cast<int>(Control::picmain0)] = true;
    enabled_[static_cast<int>(Control::picface)] = true;
    // The waiting indicator is never greyed: a restored position shows it as it stands.
    enabled_[static_cast<int>(Control::imamou0)] = true;
    enabled_[static_cast<int>(Control::imamou1)] = true;
    picmain = {};
    for (int i = 1; i < 6; ++i) picmain[i].resize(35, 41);
}

void MainForm::Form_Load() {
    platform_.set_notice("       ハザマ\r\n©2026 ハザマ組");
}

void MainForm::comstart_Click() {
    log_command("new");
    start();
}

void MainForm::start() {
    if (f00 == 0) {
        for (int i = 0; i < 6; ++i) {
            if (picmain[i].width != kStageWidth || picmain[i].height != kStageHeight)
                picmain[i].resize(kStageWidth, kStageHeight);
        }
        set_visible(Control::picmain0, true);
        refresh();
        set_visible(Control::comstart, false);
        set_enabled(Control::comload, false);
        for (Control c : {Control::comsave, Control::commove, Control::comtalk, Control::comlook})
            set_visible(c, true);
    }
    // Restart the current piece from its beginning (after a load: the saved piece).
    const std::string remembered = MusicFile;
    music(0);
    MusicFile = "0";
    music(remembered);
    ikisaki();
}

void MainForm::comend_Click() {
    Form_Unload();
}

void MainForm::Form_Unload() {
    reading_.record().save();
    note_record_failure();
    ret = static_cast<std::int16_t>(mci_send("close x1", errStr));
    platform_.exit_game();
}

void MainForm::set_visible(Control control, bool visible) {
    bool& current = visible_[static_cast<int>(control)];
    if (current != visible) {
        if (const ButtonName* button = button_name(control)) {
            note(std::string(visible ? "show " : "hide ") + button->name);
        }
    }
    current = visible;
    platform_.set_visible(control, visible);
}

void MainForm::set_enabled(Control control, bool enabled) {
    enabled_[static_cast<int>(control)] = enabled;
    platform_.set_enabled(control, enabled);
}

void MainForm::note_record_failure() {
    if (const auto failure = reading_.record().take_failure()) note_file_error(*failure);
}

void MainForm::throw_if_closing() {
    if (platform_.closing()) throw GameClosed{};
    if (rewinding_) throw Rewind{};
}

void MainForm::refresh() {
    platform_.refresh_screen(picmain[0]);
}

void MainForm::load_file(const std::string& relative, Plane& into) {
    pictures_loaded_.push_back(relative);
    const std::filesystem::path path = find_asset(root_, relative);
    std::string error;
    if (!platform_.load_picture(path.string(), into, error)) {
        throw FatalError("画像ファイルを読み込めません: " + path.string() +
                         (error.empty() ? "" : " (" + error + ")"));
    }
}

}  // namespace hazama
