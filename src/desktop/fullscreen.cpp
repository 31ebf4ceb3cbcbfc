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

// The window keeps its centre through a change of size: the centre the player left it at,
// even when a larger size had to be moved back inside the screen meanwhile. Its place is its
// frame's (what move() sets and the player sees), so the title bar is counted once.
void MainWindow::apply_window_size() {
    const Fit windowed{window_size_ / 100.0, QPoint()};
    const QSize size = windowed.map(QRect(QPoint(), kClientSize)).size();
    const QRect frame = frameGeometry();
    if (frame.center() != placed_centre_) centre_ = frame.center();
    QRect placed(frame.topLeft(), size + (frame.size() - this->size()));
    placed.moveCenter(centre_);
    // Kept on the screen when it grows past an edge.
    if (QScreen* s = screen()) {
        const QRect room = s->availableGeometry();
        placed.moveLeft(
            std::max(room.left(), std::min(placed.left(), room.right() + 1 - placed.width())));
        placed.moveTop(
            std::max(room.top(), std::min(placed.top(), room.bottom() + 1 - placed.height())));
    }
    setFixedSize(size);
    move(placed.topLeft());
    placed_centre_ = placed.center();
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
    scale_open_dialogs();
    update();
}

}  // namespace hazama
