// The window in the language the player reads in: its own texts and Qt's dialogs. (The
// message line lays English out by itself.)
#include <QLabel>
#include <QPushButton>

#include "desktop/app_setup.h"
#include "desktop/history_panel.h"
#include "desktop/main_window.h"
#include "desktop/picture_button.h"
#include "desktop/ui_text.h"

namespace hazama {

void MainWindow::set_language(Language language) {
    language_ = language;
    use_qt_japanese(language == Language::ja);
    history_->set_languages(language == Language::en, history_both_);
    retranslate();
}

void MainWindow::set_history_both(bool both) {
    history_both_ = both;
    history_->set_languages(language_ == Language::en, both);
}

void MainWindow::retranslate() {
    setWindowTitle(ui("ハザマ"));
    struct Caption {
        Control control;
        const char* japanese;
    };
    // The title screen's and the game's small buttons keep their Alt letters in English.
    static constexpr Caption kCaptions[] = {
        {Control::comsave, to_translate("セーブ(&S)")},
        {Control::comload, to_translate("ロード(&O)")},
        {Control::comstart, to_translate("始めから(&F)")},
        {Control::comend, to_translate("終了(&Q)")},
    };
    for (const Caption& c : kCaptions) {
        if (auto* button = qobject_cast<QPushButton*>(control(c.control)))
            button->setText(ui(c.japanese));
    }
    // The command buttons: their English pictures, and their words for screen readers.
    static constexpr Caption kCommands[] = {
        {Control::commove, to_translate("移動")},
        {Control::comtalk, to_translate("話す")},
        {Control::comlook, to_translate("見る")},
    };
    for (const Caption& c : kCommands) {
        if (auto* button = dynamic_cast<PictureButton*>(control(c.control))) {
            button->setAccessibleName(ui(c.japanese));
            button->reload();
        }
    }
    auto_mark_->setText(ui("オート"));
    skip_mark_->setText(ui("スキップ"));
}

}  // namespace hazama
