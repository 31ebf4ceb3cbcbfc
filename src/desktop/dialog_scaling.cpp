// The dialogs over the window at the window's factor, when they open and whenever the
// factor changes while they are open.
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <QVariant>

#include "desktop/app_setup.h"
#include "desktop/main_window.h"

namespace hazama {
namespace {

// What a dialog and its controls looked like before they were first scaled, kept on them.
constexpr const char* kDesignFont = "hazama_design_font";
constexpr const char* kDesignGeometry = "hazama_design_geometry";
constexpr const char* kDesignSize = "hazama_design_size";

// The design's value of `name`, remembered from `now` the first time it is asked for.
template <typename T>
T design(QWidget* w, const char* name, const T& now) {
    const QVariant kept = w->property(name);
    if (kept.isValid()) return kept.value<T>();
    w->setProperty(name, QVariant::fromValue(now));
    return now;
}

}  // namespace

// A dialog is drawn at the factor the window is, so that it reads beside the game as it
// does beside the window of the design's size; it opens centred on the window. A dialog of
// fixed size (the chooser) is scaled whole, the others by their text, and grow with it.
// Scaled again at another factor (the size chosen on the settings screen), it starts from its
// design each time, so it comes back to that exactly at factor 1.
void MainWindow::scale_dialog(QWidget* dialog) const {
    Fit fit;
    fit.factor = this->fit().factor;
    const bool scaled_before = dialog->property(kDesignFont).isValid();
    if (fit.factor <= 1.0 && !scaled_before) return;
    const auto scale_font = [&fit](QWidget* w) {
        w->setFont(fit.font(design(w, kDesignFont, w->font())));
    };
    const bool fixed = dialog->minimumSize() == dialog->maximumSize();
    const QSize size = design(dialog, kDesignSize, dialog->size());
    // A size of its own (the file dialog's) grows too; one from the layout follows the fonts.
    const bool own_size = design(dialog, "hazama_own_size", dialog->testAttribute(Qt::WA_Resized));
    scale_font(dialog);
    for (QWidget* child : dialog->findChildren<QWidget*>()) {
        if (child->isWindow()) continue;
        if (child->property(kDesignFont).isValid() || child->testAttribute(Qt::WA_SetFont))
            scale_font(child);
        if (fixed && child->parentWidget() == dialog)
            child->setGeometry(fit.map(design(child, kDesignGeometry, child->geometry())));
    }
    if (fixed) {
        dialog->setFixedSize(fit.map(QRect(QPoint(), size)).size());
    } else if (own_size) {
        dialog->resize(fit.map(QRect(QPoint(), size)).size().boundedTo(this->size()));
    } else if (dialog->isVisible()) {
        // A list box forgets its smallest size on a change of style only, not of font.
        for (QComboBox* box : dialog->findChildren<QComboBox*>()) {
            QEvent restyled(QEvent::StyleChange);
            QCoreApplication::sendEvent(box, &restyled);
        }
        // Once the layouts have measured the new fonts (at their next event), the dialog
        // takes the size they ask for, larger or smaller, and stays centred.
        QTimer::singleShot(0, dialog, [dialog] {
            dialog->adjustSize();
            centre_on_window(dialog);
        });
    }
    if (dialog->isVisible()) centre_on_window(dialog);
}

void MainWindow::scale_open_dialogs() const {
    for (QDialog* dialog : findChildren<QDialog*>()) {
        if (dialog->isVisible()) scale_dialog(dialog);
    }
}

}  // namespace hazama
