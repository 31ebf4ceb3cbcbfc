// The right-click menu: 履歴, オート with its speeds, 既読スキップ, and the places kept for
// 全画面 and 音量. Every entry is built in build(), in the order shown.
#pragma once

#include <QMenu>
#include <functional>

namespace hazama {

class MainForm;

class ReadingMenu : public QMenu {
  public:
    // `open_history` opens the history panel (the same as Page Up).
    ReadingMenu(QWidget* parent, MainForm& form, std::function<void()> open_history);

    // Brings the checks and the greyed entries up to date and opens the menu at `global`.
    void open_at(const QPoint& global);

  private:
    void build();
    void refresh();

    MainForm& form_;
    std::function<void()> open_history_;
    QAction* history_ = nullptr;
    QAction* auto_ = nullptr;
    QMenu* speeds_ = nullptr;
    QAction* skip_ = nullptr;
};

}  // namespace hazama
