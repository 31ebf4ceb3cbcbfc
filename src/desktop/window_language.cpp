// The window in the language the player reads in: its own texts and Qt's dialogs. (The
// message line lays English out by itself.)
#include <QLabel>
#include <QPushButton>

#include "desktop/app_setup.h"
#include "desktop/history_panel.h"
#include "desktop/main_window.h"
#include "desktop/picture_button.h"
#include "desktop/ui_text.h"
#include "shell/stage_layout.h"

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
    for (const ButtonPlace& b : kButtonPlaces) {
        if (auto* button = dynamic_cast<PictureButton*>(control(b.control))) {
            // The command buttons: their English pictures, and their words for screen readers.
            button->setAccessibleName(ui(b.caption));
            button->reload();
        } else if (auto* small = qobject_cast<QPushButton*>(control(b.control))) {
            small->setText(ui(b.caption));
        }
    }
    auto_mark_->setText(ui(kAutoMark));
    skip_mark_->setText(ui(kSkipMark));
    show_continue_hint();
}

}  // namespace hazama
