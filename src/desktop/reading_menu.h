// The right-click menu drawn as a QMenu: its entries, their words, checks and greyed states
// are the session's (shell/menu.h), and so is what choosing one does.
#pragma once

#include <QMenu>
#include <functional>
#include <map>

#include "shell/menu.h"

namespace hazama {

class Session;

class ReadingMenu : public QMenu {
  public:
    // `open_history` opens the window's history panel, as Page Up does.
    ReadingMenu(QWidget* parent, Session& session, std::function<void()> open_history);

    // Brings the checks and the greyed entries up to date and opens the menu at `global`.
    void open_at(const QPoint& global);

  private:
    void build();
    void refresh();
    void chosen(QAction* action);

    Session& session_;
    std::function<void()> open_history_;
    // What each action stands for: its entry and, in a submenu, its choice's value.
    struct Meaning {
        MenuItem item;
        int value;
        bool choice;  // an entry of a submenu
    };
    std::map<QAction*, Meaning> meanings_;
    QAction* continue_ = nullptr;  // first, and only at the title
    QAction* continue_gap_ = nullptr;
    std::vector<QMenu*> submenus_;
    Language built_in_ = Language::ja;
};

}  // namespace hazama
