// mainform's reading controls: the history panel, the right-click menu, the auto and skip
// marks, and the inputs the story leaves free (the right button, the wheel, Ctrl held,
// Page Up/Down, the arrows, Home/End, F2 and F3). Every decision is the core's; this file
// only passes the player's input on and shows the result.
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <utility>

#include "app/app_setup.h"
#include "app/history_panel.h"
#include "app/main_window.h"
#include "app/reading_menu.h"

namespace hazama {
namespace {

QLabel* mark(QWidget* parent, Scaling& scaling, const char* name, const QString& text, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    scaling.place(label, QRect(540, y, 56, 13));
    scaling.set_font(label, design_font(QStringLiteral("ＭＳ ゴシック"), 8));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(255, 214, 140));
    label->setPalette(p);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

}  // namespace

void MainWindow::build_reading_controls() {
    auto_mark_ = mark(this, scaling_, "auto_mark", QStringLiteral("オート"), 431);
    skip_mark_ = mark(this, scaling_, "skip_mark", QStringLiteral("スキップ"), 445);
    history_ = new HistoryPanel(this);
    scaling_.place(history_, history_->geometry());
    menu_ = new ReadingMenu(this, *form_,
                            {.open_history = [this] { open_history(); },
                             .fullscreen = [this] { return fullscreen_; },
                             .set_fullscreen = [this](bool on) { set_fullscreen(on); },
                             .volume = [this] { return volume_; },
                             .set_volume = [this](int percent) { set_volume(percent); },
                             .remember = [this] { remember(); }});
}

bool MainWindow::ctrl_held() const {
    return form_->reading().ctrl_held();
}

void MainWindow::open_history() {
    if (history_->isVisible() || form_->reading().history().empty()) return;
    if (!form_->open_history()) return;
    history_->set_entries(form_->reading().history().entries());
    history_->show();
    history_->raise();
}

void MainWindow::close_history() {
    if (history_ == nullptr || history_->isHidden()) return;
    history_->hide();
    form_->close_history();
}

void MainWindow::close_reading_overlays() {
    if (menu_ != nullptr) menu_->close();
    close_history();
}

// ---------------------------------------------------------------- input

bool MainWindow::filter_reading(QWidget* receiver, QEvent* event) {
    if (closing_ || form_ == nullptr) return false;
    if (receiver != this && !isAncestorOf(receiver)) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return reading_key(static_cast<QKeyEvent*>(event));
        case QEvent::Wheel:
            reading_wheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return reading_click(static_cast<QMouseEvent*>(event));
        case QEvent::WindowDeactivate:
            // The key's release goes to another window now.
            if (receiver == this) form_->set_ctrl(false);
            return false;
        default:
            return false;
    }
}

bool MainWindow::reading_key(QKeyEvent* key) {
    const bool press = key->type() == QEvent::KeyPress;
    const int k = key->key();
    if (k == Qt::Key_Control) {
        form_->set_ctrl(press);
        return true;
    }
    if (fullscreen_key(key)) return true;
    if (!press) return false;
    if (history_->isVisible()) {
        const int line = history_->line_height();
        switch (k) {
            case Qt::Key_Up:
                history_->scroll_by(-line);
                return true;
            case Qt::Key_Down:
                history_->scroll_by(line);
                return true;
            case Qt::Key_PageUp:
                history_->scroll_by(-history_->page());
                return true;
            case Qt::Key_PageDown:
                if (!history_->scroll_by(history_->page())) close_history();
                return true;
            case Qt::Key_Home:
                history_->scroll_to_start();
                return true;
            case Qt::Key_End:
                history_->scroll_to_end();
                return true;
            case Qt::Key_Space:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                close_history();  // and the key releases the line as ever
                return false;
            default:
                break;
        }
    }
    switch (k) {
        case Qt::Key_PageUp:
            open_history();
            return true;
        case Qt::Key_F2:
            form_->set_auto(!form_->reading().auto_on());
            remember();
            return true;
        case Qt::Key_F3:
            form_->set_skip(!form_->reading().skip_on());
            remember();
            return true;
        default:
            return false;
    }
}

void MainWindow::reading_wheel(int delta) {
    constexpr int kLinesPerStep = 3;
    const int step = history_->line_height() * kLinesPerStep;
    if (delta > 0) {
        if (history_->isVisible()) {
            history_->scroll_by(-step);
        } else {
            open_history();
        }
    } else if (delta < 0 && history_->isVisible()) {
        if (!history_->scroll_by(step)) close_history();
    }
}

// While the history is open every click closes it and reaches nothing else; otherwise the
// right button opens the menu. Neither is ever a release.
bool MainWindow::reading_click(QMouseEvent* mouse) {
    if (history_->isVisible()) {
        if (mouse->type() == QEvent::MouseButtonRelease) close_history();
        pressed_ = nullptr;
        background_pressed_ = false;
        return true;
    }
    if (mouse->button() != Qt::RightButton) return false;
    if (mouse->type() == QEvent::MouseButtonPress && form_->history_allowed()) {
        menu_->open_at(mouse->globalPosition().toPoint());
    }
    return true;
}

// ---------------------------------------------------------------- what the core asks

void MainWindow::show_reading_marks(bool auto_on, bool skipping) {
    auto_mark_->setVisible(auto_on);
    skip_mark_->setVisible(skipping);
}

void MainWindow::wake() {
    woken_ = true;
    if (!loops_.empty()) loops_.back()->exit(0);
}

void MainWindow::wait_for_release_until(std::uint32_t deadline) {
    const auto left = static_cast<std::int32_t>(deadline - now_ms());
    if (closing_ || left <= 0) return;
    QEventLoop loop;
    QEventLoop* const outer = std::exchange(release_loop_, &loop);
    QTimer::singleShot(left, Qt::PreciseTimer, &loop, [&loop] { loop.exit(0); });
    run_loop(loop);
    release_loop_ = outer;
}

}  // namespace hazama
