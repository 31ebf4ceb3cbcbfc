// The slot screen (slot_screen.h).
#include "desktop/slot_screen.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "desktop/app_setup.h"
#include "desktop/slot_card.h"
#include "desktop/ui_text.h"

namespace hazama {
namespace {

// The screen's design, in the window's pixels: two columns of three cards above a row of
// page tabs and the screen's two buttons.
constexpr QSize kScreen{632, 404};
constexpr QSize kCard{302, 100};
constexpr QPoint kFirstCard{12, 36};
constexpr QSize kCardStep{306, 106};
constexpr int kColumns = 2;
constexpr int kButtonsTop = 362;
constexpr int kButtonHeight = 28;

}  // namespace

SlotScreen::SlotScreen(QWidget* parent, SlotPages& pages)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      pages_(pages) {
    const bool saving = pages.mode() == SlotPages::Mode::save;
    setObjectName(saving ? QStringLiteral("save_screen") : QStringLiteral("load_screen"));
    setWindowTitle(ui(saving ? SlotPages::kSaveTitle : SlotPages::kLoadTitle));
    setFixedSize(kScreen);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Button, Qt::white);
    setPalette(white);

    auto* heading =
        new QLabel(ui(saving ? SlotPages::kSaveHeading : SlotPages::kLoadHeading), this);
    heading->setFont(design_font(QStringLiteral("ＭＳ Ｐゴシック"), 12, true));
    heading->move(kFirstCard.x() + 1, 8);
    heading->adjustSize();

    for (int i = 0; i < kPerPage; ++i) {
        auto* card = new SlotCard(this);
        card->setObjectName(QStringLiteral("slot_%1").arg(i));
        card->setFont(design_font(QStringLiteral("ＭＳ Ｐゴシック"), 9));
        card->setGeometry(QRect(kFirstCard + QPoint(kCardStep.width() * (i % kColumns),
                                                    kCardStep.height() * (i / kColumns)),
                                kCard));
        card->installEventFilter(this);
        connect(card, &SlotCard::clicked, this, [this, i] { choose(i); });
        cards_[static_cast<std::size_t>(i)] = card;
    }

    const QFont button_font = design_font(QStringLiteral("ＭＳ Ｐゴシック"), 10);
    const auto button = [&](const QString& caption, const QRect& place) {
        auto* b = new QPushButton(caption, this);
        b->setFont(button_font);
        b->setGeometry(place);
        b->setAutoDefault(false);
        // A click leaves the focus on the slot it acts on; Tab still reaches the button.
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    int x = kFirstCard.x();
    for (int p = pages.first_page(); p <= kPages; ++p) {
        const int width = p == 0 ? 116 : 32;
        QPushButton* tab = button(QString::fromStdString(pages.tab_caption(p)),
                                  QRect(x, kButtonsTop, width, kButtonHeight));
        tab->setObjectName(QStringLiteral("page_%1").arg(p));
        tab->setAccessibleName(p == 0 ? tab->text() : ui(SlotPages::kPageName).arg(p));
        tab->setCheckable(true);
        connect(tab, &QPushButton::clicked, this, [this, p] { show_page(p); });
        tabs_[static_cast<std::size_t>(p)] = tab;
        x += width + 4;
    }
    const int right = kScreen.width() - kFirstCard.x();
    QPushButton* close =
        button(ui(SlotPages::kClose), QRect(right - 90, kButtonsTop, 90, kButtonHeight));
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    delete_ = button(ui(SlotPages::kDelete), QRect(right - 186, kButtonsTop, 90, kButtonHeight));
    delete_->setObjectName(QStringLiteral("delete"));
    // Pressed, the next slot chosen is deleted instead (Delete deletes the current one).
    delete_->setCheckable(true);
    connect(delete_, &QPushButton::toggled, this, [this](bool on) { pages_.set_deleting(on); });
    refresh();
}

void SlotScreen::refresh() {
    for (int i = 0; i < kPerPage; ++i) {
        SlotCard* card = cards_[static_cast<std::size_t>(i)];
        card->setVisible(i < pages_.shown());
        if (i < pages_.shown()) card->show_card(pages_.cards()[static_cast<std::size_t>(i)]);
    }
    for (int p = pages_.first_page(); p <= kPages; ++p)
        tabs_[static_cast<std::size_t>(p)]->setChecked(p == pages_.page());
    if (isVisible())
        cards_[static_cast<std::size_t>(pages_.current())]->setFocus(Qt::OtherFocusReason);
    delete_->setEnabled(pages_.page() != 0);
    delete_->setChecked(pages_.deleting());
}

void SlotScreen::show_page(int page) {
    pages_.show_page(page);
    refresh();
}

void SlotScreen::choose(int index) {
    if (pages_.choose(index)) {
        accept();
        return;
    }
    refresh();
}

void SlotScreen::remove(int index) {
    pages_.remove(index);
    refresh();
}

void SlotScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_window(this);
    cards_[static_cast<std::size_t>(pages_.current())]->setFocus(Qt::OtherFocusReason);
}

bool SlotScreen::eventFilter(QObject* watched, QEvent* event) {
    const auto at = std::find(cards_.begin(), cards_.end(), watched);
    if (at == cards_.end()) return false;
    const int index = static_cast<int>(at - cards_.begin());
    if (event->type() == QEvent::FocusIn) {
        pages_.set_current(index);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto move = [&](int columns, int rows) {
        pages_.set_current(index);
        pages_.move_by(columns, rows);
        refresh();
        return true;
    };
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left:
            return move(-1, 0);
        case Qt::Key_Right:
            return move(1, 0);
        case Qt::Key_Up:
            return move(0, -1);
        case Qt::Key_Down:
            return move(0, 1);
        case Qt::Key_PageUp:
            show_page(pages_.page() - 1);
            return true;
        case Qt::Key_PageDown:
            show_page(pages_.page() + 1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            choose(index);
            return true;
        case Qt::Key_Delete:
            remove(index);
            return true;
        default:
            return false;
    }
}

}  // namespace hazama
