// The right-click menu: 履歴, オート with its speeds, 既読スキップ, 全画面, 音量, the line's
// own entries (copy it, hide the text), the language, セーブ… and ロード… (the slot
// screen) and 設定. Every entry is built in build(), in the order shown.
#pragma once

#include <QMenu>
#include <functional>

#include "text/catalogue.h"

namespace hazama {

class MainForm;

// What the menu asks of the window itself.
struct WindowActions {
    std::function<void()> open_history;  // the same as Page Up
    std::function<bool()> fullscreen;
    std::function<void(bool)> set_fullscreen;
    std::function<int()> volume;  // in percent, one of kVolumeSteps
    std::function<void(int)> set_volume;
    std::function<void()> remember;  // after any choice: the settings are kept
    std::function<void()> open_settings;
    std::function<void()> quick_load;  // F9: at the title, continue from the newest save
    std::function<bool()> at_title;
    std::function<void(bool saving)> open_slots;  // F6 and F7
    std::function<void(Language)> set_language;   // chosen and kept
};

class ReadingMenu : public QMenu {
  public:
    ReadingMenu(QWidget* parent, MainForm& form, WindowActions window);

    // Brings the checks and the greyed entries up to date and opens the menu at `global`.
    void open_at(const QPoint& global);

  private:
    void build();
    void refresh();

    MainForm& form_;
    WindowActions window_;
    QAction* continue_ = nullptr;  // first, and only at the title
    QAction* continue_gap_ = nullptr;
    QAction* save_ = nullptr;
    QAction* history_ = nullptr;
    QAction* auto_ = nullptr;
    QMenu* speeds_ = nullptr;
    QAction* skip_ = nullptr;
    QAction* fullscreen_ = nullptr;
    QMenu* volumes_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* hide_ = nullptr;
    QMenu* languages_ = nullptr;
    Language built_in_ = Language::ja;
};

}  // namespace hazama
