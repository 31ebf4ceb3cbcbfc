// mainform at full screen (全画面) and at a larger size: F11, Alt+Enter and the menu switch
// fullscreen, the settings choose the window's size; either way the client area is scaled
// whole (scaling.h) and the dialogs open at the same factor.
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "desktop/history_panel.h"
#include "desktop/main_window.h"
#include "desktop/screen_view.h"
#include "desktop/window_art.h"

namespace hazama {

void MainWindow::set_fullscreen(bool on) {
    if (on == fullscreen_) return;
    // Our own record: the window state follows the window system's answer, later.
    fullscreen_ = on;
    if (on) {
        windowed_at_ = pos();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        // Without a window manager to honour the request, the window covers the screen
        // itself.
        if (QScreen* s = screen()) setGeometry(s->geometry());
    } else {
        showNormal();
        const Fit windowed{window_size_ / 100.0, QPoint()};
        setFixedSize(windowed.map(QRect(QPoint(), kClientSize)).size());
        move(windowed_at_);
        apply_fit(windowed);
    }
}

// The window offers no maximise button, but a window manager may maximise it all the same
// (a double click on the title bar, a key of its own): the game then goes fullscreen, the
// one larger form it has.
void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !windowState().testFlag(Qt::WindowMaximized))
        return;
    setWindowState(windowState() & ~Qt::WindowMaximized);
    if (!fullscreen_) {
        set_fullscreen(true);
        if (hooks_.fullscreen_changed) hooks_.fullscreen_changed();
    }
}

void MainWindow::set_window_size(int percent) {
    if (percent == window_size_) return;
    window_size_ = percent;
    if (!fullscreen_) apply_window_size();
}

void MainWindow::apply_window_size() {
    const Fit windowed{window_size_ / 100.0, QPoint()};
    const QSize size = windowed.map(QRect(QPoint(), kClientSize)).size();
    QRect placed(pos(), size);
    placed.moveCenter(geometry().center());
    // Kept on the screen when it grows past an edge.
    if (QScreen* s = screen()) {
        const QRect room = s->availableGeometry();
        placed.moveLeft(
            std::max(room.left(), std::min(placed.left(), room.right() - size.width())));
        placed.moveTop(std::max(room.top(), std::min(placed.top(), room.bottom() - size.height())));
    }
    setFixedSize(size);
    move(placed.topLeft());
    apply_fit(windowed);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fullscreen_) apply_fit(Fit::into(size()));
}

void MainWindow::apply_fit(const Fit& fit) {
    place_title_art();
    if (fit.factor == scaling_.fit().factor && fit.origin == scaling_.fit().origin) return;
    scaling_.set_fit(fit);
    screen_->set_factor(fit.factor);
    history_->set_factor(fit.factor);
    if (fit.factor == 1.0) {
        scaled_frame_ = QPixmap();
    } else {
        // Drawn down from the large frame where there is one, so its lines stay crisp.
        if (!large_frame_) large_frame_ = large_window_picture(root_, WindowArt::frame);
        const QPixmap& source = large_frame_->isNull() ? frame_ : *large_frame_;
        scaled_frame_ = source.scaled(frame_.size() * fit.factor, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
    }
    update();
}

// A dialog is drawn at the factor the window is, so that it reads beside the game as it
// does beside the window of the design's size; it opens centred on the window. A dialog of
// fixed size (the chooser) is scaled whole, the others by their text, and grow with it.
void MainWindow::scale_dialog(QWidget* dialog) const {
    Fit fit;
    fit.factor = this->fit().factor;
    if (fit.factor <= 1.0) return;
    const auto scale_font = [&fit](QWidget* w) { w->setFont(fit.font(w->font())); };
    scale_font(dialog);
    const bool fixed = dialog->minimumSize() == dialog->maximumSize();
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        if (child->testAttribute(Qt::WA_SetFont) && !child->isWindow()) scale_font(child);
        if (fixed && child->parentWidget() == dialog)
            child->setGeometry(fit.map(child->geometry()));
    }
    if (fixed) {
        dialog->setFixedSize(fit.map(dialog->rect()).size());
    } else if (dialog->testAttribute(Qt::WA_Resized)) {
        // A size of its own (the file dialog's) grows too; one from the layout follows the
        // fonts by itself.
        dialog->resize(fit.map(dialog->rect()).size().boundedTo(size()));
    }
}

}  // namespace hazama
