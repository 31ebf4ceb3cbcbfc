// The right-click menu (reading_menu.h). The shortcut keys only show in the menu (after a
// tab); the window handles the keys themselves.
#include "desktop/reading_menu.h"

#include <QActionGroup>

#include "desktop/ui_text.h"
#include "shell/session.h"

namespace hazama {

ReadingMenu::ReadingMenu(QWidget* parent, Session& session, std::function<void()> open_history)
    : QMenu(parent), session_(session), open_history_(std::move(open_history)) {
    setObjectName(QStringLiteral("reading_menu"));
    // The click that closes the menu is not passed on: it must not release a line.
    setAttribute(Qt::WA_NoMouseReplay);
    connect(this, &QMenu::aboutToShow, this, [this] { session_.form().set_menu_open(true); });
    connect(this, &QMenu::aboutToHide, this, [this] { session_.form().set_menu_open(false); });
    build();
}

void ReadingMenu::build() {
    built_in_ = ui_english() ? Language::en : Language::ja;
    meanings_.clear();
    submenus_.clear();
    const auto words = [](const char* caption, bool translated) {
        return translated ? ui(caption) : QString::fromUtf8(caption);
    };
    const auto meaning = [this](QAction* a, MenuItem item, int value, bool choice) {
        meanings_[a] = {item, value, choice};
        connect(a, &QAction::triggered, this, [this, a] { chosen(a); });
    };
    for (const MenuEntry& entry : menu_entries()) {
        if (entry.item == MenuItem::continue_game) {
            // First, and only at the title: refresh() puts it there.
            continue_ = new QAction(words(entry.caption, entry.translated), this);
            meaning(continue_, entry.item, 0, false);
            continue_gap_ = new QAction(this);
            continue_gap_->setSeparator(true);
            continue;
        }
        if (entry.submenu) {
            QMenu* sub = addMenu(words(entry.caption, entry.translated));
            submenus_.push_back(sub);
            auto* group = new QActionGroup(sub);
            for (const MenuChoice& choice : menu_choices(entry.item)) {
                QAction* a = sub->addAction(words(choice.caption, choice.translated));
                a->setCheckable(true);
                group->addAction(a);
                meaning(a, entry.item, choice.value, true);
            }
        } else {
            QAction* a = addAction(words(entry.caption, entry.translated));
            a->setCheckable(entry.checkable);
            meaning(a, entry.item, 0, false);
        }
        if (entry.separator_after) addSeparator();
    }
}

void ReadingMenu::chosen(QAction* action) {
    const auto meaning = meanings_.find(action);
    if (meaning == meanings_.end()) return;
    const Meaning m = meaning->second;
    if (m.item == MenuItem::history) {
        open_history_();
        return;
    }
    session_.choose(m.item, m.value, action->isChecked());
}

void ReadingMenu::refresh() {
    // A menu built in the other language is built again.
    if (built_in_ != (ui_english() ? Language::en : Language::ja)) {
        const bool inside = actions().contains(continue_);
        clear();
        if (!inside) {
            delete continue_;
            delete continue_gap_;
        }
        for (QMenu* sub : submenus_) sub->deleteLater();
        build();
    }
    const MenuState state = session_.menu_state();
    const bool at_title = state.shown(MenuItem::continue_game);
    if (at_title != actions().contains(continue_)) {
        if (at_title) {
            insertActions(actions().value(0), {continue_, continue_gap_});
        } else {
            removeAction(continue_);
            removeAction(continue_gap_);
        }
    }
    for (const auto& [action, m] : meanings_) {
        if (m.choice) {
            action->setChecked(state.chosen(m.item) == m.value);
            continue;
        }
        action->setEnabled(state.enabled(m.item));
        if (action->isCheckable()) action->setChecked(state.checked(m.item));
    }
}

void ReadingMenu::open_at(const QPoint& global) {
    refresh();
    popup(global);
}

}  // namespace hazama
