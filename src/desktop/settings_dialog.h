// The settings (設定): every remembered choice in one dialog, from the right-click menu,
// the language among them (the dialog switches with it).
// Each choice is applied as it is made; Escape or 閉じる closes the dialog. During a game,
// タイトルへ戻る closes it too and leaves for the title (the game asks first).
#pragma once

#include <QDialog>
#include <functional>

#include "desktop/settings.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;

namespace hazama {

class SettingsDialog : public QDialog {
  public:
    // Shows `current`; `choose` is called with the whole of the choices after every change.
    // While `title_offered`, a button also leaves for the title (to_title() says it was pressed).
    SettingsDialog(QWidget* parent, const Settings& current,
                   std::function<void(const Settings&)> choose, bool title_offered = false);

    bool to_title() const { return to_title_; }

  private:
    // Reads every control into the choices and hands them on.
    void changed();
    // Every text in the language in force.
    void retranslate();

    Settings settings_;
    std::function<void(const Settings&)> choose_;
    QComboBox* text_ = nullptr;
    QComboBox* auto_speed_ = nullptr;
    QComboBox* skip_ = nullptr;
    QComboBox* volume_ = nullptr;
    QComboBox* size_ = nullptr;
    QCheckBox* fullscreen_ = nullptr;
    QCheckBox* copy_ = nullptr;
    QCheckBox* both_ = nullptr;
    QComboBox* language_ = nullptr;
    QFormLayout* form_ = nullptr;
    QLabel* help_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* title_ = nullptr;
    bool to_title_ = false;
};

}  // namespace hazama
