// The move chooser: three destination buttons and "移動をやめる".
#include "desktop/go_position.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "desktop/app_setup.h"
#include "desktop/ui_text.h"

namespace hazama {

GoPosition::GoPosition(QWidget* parent, const std::array<std::string, 3>& captions)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(ui("移動"));
    setFixedSize(308, 201);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Button, Qt::white);
    setPalette(white);

    label1_ = new QLabel(ui("何処へ移動しますか？"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(design_font(QStringLiteral("ＭＳ Ｐゴシック"), 12, true));
    label1_->move(13, 6);
    label1_->adjustSize();

    const QFont button_font = design_font(QStringLiteral("ＭＳ Ｐゴシック"), 12);
    for (int i = 0; i < 4; ++i) {
        const QString caption = i < 3 ? QString::fromStdString(captions[i]) : ui("移動をやめる");
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setFont(button_font);
        button->setGeometry(7, 36 + 40 * i, 289, 33);
        // Only the focused button answers Enter, as Space does.
        button->setAutoDefault(false);
        if (caption.isEmpty()) show_as_no_place(button);
        connect(button, &QPushButton::clicked, this, [this, i] {
            chosen_ = i;
            accept();
        });
        command1_[i] = button;
    }
}

// A row with no destination keeps its place in the chooser but draws nothing there: no
// face, no frame, no hover, and Tab passes it by. Pressed from a key (it can only hold the
// focus when no row has a destination) it keeps her where she is, as 移動をやめる does.
void GoPosition::show_as_no_place(QPushButton* button) {
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GoPosition::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_window(this);
    // The map fills the rows from the top, so the first one is a destination whenever
    // there is one.
    command1_[0]->setFocus(Qt::OtherFocusReason);
}

void GoPosition::keyPressEvent(QKeyEvent* event) {
    // Escape is the cancel button's (移動をやめる): the chooser closes and the player stays.
    // Enter presses the focused button.
    switch (event->key()) {
        case Qt::Key_Escape:
            command1_[3]->click();
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace hazama
