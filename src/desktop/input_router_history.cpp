// The player's input over the history: opening it, its keys and its clicks, and going back
// to a line chosen there (input_router.h).
#include <QMouseEvent>

#include "desktop/history_panel.h"
#include "desktop/input_router.h"
#include "desktop/main_window.h"
#include "desktop/ui_text.h"
#include "shell/session.h"

namespace hazama {

void InputRouter::open_history() {
    if (window_.history_open() || !session_.open_history()) return;
    // An empty history opens too, and says that it is empty.
    window_.open_history(session_.history_entries());
    window_.history().set_lines_back(session_.history_lines_back());
}

void InputRouter::go_back_to(int entry) {
    const int lines = window_.history().lines_back(entry);
    window_.close_history();
    if (lines >= 0) session_.go_back(lines);
}

// Up and Down move the choice of a line to go back to (and scroll where there is none to
// move to), Enter goes back to it; the other keys scroll.
void InputRouter::history_key(Do action) {
    HistoryPanel& history = window_.history();
    switch (action) {
        case Do::history_previous:
            if (!history.choose_next(-1)) history.scroll_by(-history.line_height());
            break;
        case Do::history_next:
            if (!history.choose_next(1)) history.scroll_by(history.line_height());
            break;
        case Do::history_page_up:
            history.scroll_by(-history.page());
            break;
        case Do::history_page_down:
            if (!history.scroll_by(history.page())) window_.close_history();
            break;
        case Do::history_start:
            history.scroll_to_start();
            break;
        case Do::history_end:
            history.scroll_to_end();
            break;
        case Do::history_escape:
            // A choice is let go first.
            if (history.chosen() >= 0) {
                history.choose(-1);
            } else {
                window_.close_history();
            }
            break;
        case Do::history_go:
            go_back_to(history.chosen());
            break;
        default:
            break;
    }
}

// Over the open history a click on a line that can be gone back to chooses it; a click on
// its offer (この行に戻る), or a double-click on it, goes back there. A click on a line that
// cannot be gone back to says so; any other click closes the history, as ever.
void InputRouter::history_click(QMouseEvent* mouse) {
    HistoryPanel& history = window_.history();
    const QPoint at = history.mapFromGlobal(mouse->globalPosition().toPoint());
    const bool left = mouse->button() == Qt::LeftButton;
    const int entry = left && history.rect().contains(at) ? history.entry_at(at) : -1;
    if (mouse->type() == QEvent::MouseButtonDblClick && history.returnable(entry)) {
        go_back_to(entry);
        return;
    }
    if (mouse->type() != QEvent::MouseButtonRelease) return;
    // The rest of a click that went back (a double-click's last release) finds no control
    // pressed and releases nothing: the restored line waits.
    if (left && history.offer_rect().contains(at)) {
        go_back_to(history.chosen());
    } else if (entry < 0) {
        window_.close_history();
    } else if (history.returnable(entry)) {
        history.choose(entry);
    } else {
        history.tell(ui("ロードより前の行には戻れません"));
    }
}

}  // namespace hazama
