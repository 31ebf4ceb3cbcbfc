// mainform at full screen (全画面): F11, Alt+Enter and the menu switch it; the client area is
// scaled whole (scaling.h) and the dialogs open centred on the screen at a readable size.
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "app/history_panel.h"
#include "app/main_window.h"
#include "app/screen_view.h"

namespace hazama {
namespace {

// The dialogs are drawn for a screen of about this height; a taller one gets them larger.
constexpr double kDialogScreenHeight = 1080.0;

}  // namespace

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
        setFixedSize(kClientSize);
        move(windowed_at_);
        apply_fit(Fit{});
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fullscreen_) apply_fit(Fit::into(size()));
}

void MainWindow::apply_fit(const Fit& fit) {
    if (fit.factor == scaling_.fit().factor && fit.origin == scaling_.fit().origin) return;
    scaling_.set_fit(fit);
    screen_->set_factor(fit.factor);
    history_->set_factor(fit.factor);
    scaled_frame_ = fit.factor == 1.0
                        ? QPixmap()
                        : frame_.scaled(frame_.size() * fit.factor, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    update();
}

// At full screen a dialog grows with the screen, so that it reads as it would on a desktop
// of ordinary size; it opens centred on its parent, which covers the screen. A dialog of
// fixed size (the chooser) is scaled whole, the others by their text.
void MainWindow::scale_dialog(QWidget* dialog) const {
    if (!fullscreen_) return;
    Fit fit;
    fit.factor = std::max(1.0, height() / kDialogScreenHeight);
    if (fit.factor == 1.0) return;
    const auto scale_font = [&fit](QWidget* w) { w->setFont(fit.font(w->font())); };
    scale_font(dialog);
    const bool fixed = dialog->minimumSize() == dialog->maximumSize();
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->testAttribute(Qt::WA_SetFont)) scale_font(child);
        if (fixed) child->setGeometry(fit.map(child->geometry()));
    }
    if (fixed) dialog->setFixedSize(fit.map(dialog->rect()).size());
}

}  // namespace hazama
