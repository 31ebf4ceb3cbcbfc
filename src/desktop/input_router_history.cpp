// The player's input over the history: opening it, its keys and its clicks, and going back
// to a line chosen there (input_router.h).
#include <QMouseEvent>

#include "desktop/history_panel.h"
#include "desktop/input_router.h"
#include "desktop/main_window.h"
#include "desktop/positions.h"
#include "desktop/ui_text.h"
#include "form/main_form.h"

namespace hazama {

void InputRouter::open_history() {
    if (window_.history_open() || !form_.open_history()) return;
    // An empty history opens too, and says that it is empty.
    const auto& entries = form_.reading().history().entries();
    window_.open_history(entries);
    window_.history().set_lines_back(positions_.lines_back(entries));
}

void InputRouter::go_back_to(int entry) {
    const int lines = window_.history().lines_back(entry);
    window_.close_history();
    if (lines >= 0) positions_.go_back(lines);
}

// The keys of the open history: Up and Down move the choice of a line to go back to (and
// scroll where there is none to move to), Enter goes back to it; the other keys scroll.
// Space, and Enter with nothing chosen, close it and go on to release the line as ever.
bool InputRouter::history_key(int key) {
    HistoryPanel& history = window_.history();
    switch (key) {
        case Qt::Key_Up:
            // The choice moves to the line before; where there is none the view scrolls.
            if (!history.choose_next(-1)) history.scroll_by(-history.line_height());
            return true;
        case Qt::Key_Down:
            if (!history.choose_next(1)) history.scroll_by(history.line_height());
            return true;
        case Qt::Key_PageUp:
            history.scroll_by(-history.page());
            return true;
        case Qt::Key_PageDown:
            if (!history.scroll_by(history.page())) window_.close_history();
            return true;
        case Qt::Key_Home:
            history.scroll_to_start();
            return true;
        case Qt::Key_End:
            history.scroll_to_end();
            return true;
        case Qt::Key_Escape:
            // A choice is let go first.
            if (history.chosen() >= 0) {
                history.choose(-1);
            } else {
                window_.close_history();
            }
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (history.chosen() >= 0) {
                go_back_to(history.chosen());
                return true;
            }
            window_.close_history();
            return false;
        case Qt::Key_Space:
            window_.close_history();
            return false;
        default:
            return false;
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
