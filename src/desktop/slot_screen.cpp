// The slot screen (slot_screen.h).
#include "desktop/slot_screen.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "desktop/app_setup.h"
#include "desktop/positions.h"
#include "desktop/slot_card.h"
#include "desktop/ui_text.h"
#include "replay/slot_file.h"

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

SlotScreen::SlotScreen(QWidget* parent, Mode mode, std::filesystem::path data_folder, Hooks hooks,
                       int page)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      mode_(mode),
      data_folder_(std::move(data_folder)),
      hooks_(std::move(hooks)) {
    const bool saving = mode == Mode::save;
    setObjectName(saving ? QStringLiteral("save_screen") : QStringLiteral("load_screen"));
    setWindowTitle(saving ? ui("セーブ") : ui("ロード"));
    setFixedSize(kScreen);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Button, Qt::white);
    setPalette(white);

    auto* heading = new QLabel(
        saving ? ui("どのスロットにセーブしますか？") : ui("どのスロットからロードしますか？"),
        this);
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
        cards_[i] = card;
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
    for (int p = first_page(); p <= kPages; ++p) {
        const int width = p == 0 ? 116 : 32;
        QPushButton* tab = button(p == 0 ? ui("自動・クイック") : QString::number(p),
                                  QRect(x, kButtonsTop, width, kButtonHeight));
        tab->setObjectName(QStringLiteral("page_%1").arg(p));
        tab->setAccessibleName(p == 0 ? tab->text() : ui("ページ %1").arg(p));
        tab->setCheckable(true);
        connect(tab, &QPushButton::clicked, this, [this, p] { show_page(p); });
        tabs_[p] = tab;
        x += width + 4;
    }
    const int right = kScreen.width() - kFirstCard.x();
    QPushButton* close = button(ui("閉じる"), QRect(right - 90, kButtonsTop, 90, kButtonHeight));
    close->setObjectName(QStringLiteral("close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    delete_ = button(ui("削除"), QRect(right - 186, kButtonsTop, 90, kButtonHeight));
    delete_->setObjectName(QStringLiteral("delete"));
    // Pressed, the next slot chosen is deleted instead (Delete deletes the current one).
    delete_->setCheckable(true);

    show_page(qBound(first_page(), page, kPages));
}

std::string SlotScreen::slot_name(int number) {
    return (number < 10 ? "slot0" : "slot") + std::to_string(number);
}

void SlotScreen::show_page(int page) {
    if (page < first_page() || page > kPages) return;
    page_ = page;
    for (int i = 0; i < kPerPage; ++i) {
        SlotCard* card = cards_[i];
        if (page == 0) {
            // The slots the game keeps by itself: shown, never written from here.
            card->setVisible(i < 2);
            if (i == 0)
                card->show_slot(ui("自動セーブ"),
                                slot_path(data_folder_, PositionKeeper::kAutoSlot));
            if (i == 1)
                card->show_slot(ui("クイックセーブ"),
                                slot_path(data_folder_, PositionKeeper::kQuickSlot));
            continue;
        }
        const int number = number_of(i);
        card->setVisible(true);
        card->show_slot(QStringLiteral("No.%1").arg(number),
                        slot_path(data_folder_, slot_name(number)));
    }
    for (int p = first_page(); p <= kPages; ++p) tabs_[p]->setChecked(p == page);
    if (cards_[current_]->isHidden()) current_ = 0;
    if (isVisible()) cards_[current_]->setFocus(Qt::OtherFocusReason);
    delete_->setEnabled(page != 0);
    if (page == 0) delete_->setChecked(false);
}

void SlotScreen::choose(int index) {
    SlotCard* card = cards_[index];
    current_ = index;
    if (delete_->isChecked()) {
        delete_->setChecked(false);
        remove(index);
        return;
    }
    if (mode_ == Mode::load) {
        if (card->state() == SlotCard::State::empty || !hooks_.loadable(card->path())) return;
        chosen_ = card->path();
        accept();
        return;
    }
    if (card->state() != SlotCard::State::empty && !ask(ui("このスロットに上書きしますか？"), true))
        return;
    if (hooks_.save(slot_name(number_of(index)))) show_page(page_);
}

void SlotScreen::remove(int index) {
    SlotCard* card = cards_[index];
    if (page_ == 0 || card->state() == SlotCard::State::empty) return;
    if (!ask(ui("このスロットを削除しますか？"), false)) return;
    std::error_code ec;
    std::filesystem::remove(card->path(), ec);
    if (ec) {
        QMessageBox box(QMessageBox::Warning, ui("ハザマ"), ui("削除できませんでした"),
                        QMessageBox::Ok, this);
        box.setInformativeText(QString::fromStdString(ec.message() + "\n" + card->path().string()));
        hooks_.ask(box);
    }
    show_page(page_);
}

void SlotScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_window(this);
    cards_[current_]->setFocus(Qt::OtherFocusReason);
}

bool SlotScreen::eventFilter(QObject* watched, QEvent* event) {
    const auto at = std::find(cards_.begin(), cards_.end(), watched);
    if (at == cards_.end()) return false;
    const int index = static_cast<int>(at - cards_.begin());
    if (event->type() == QEvent::FocusIn) {
        current_ = index;
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left:
            move_by(index, -1, 0);
            return true;
        case Qt::Key_Right:
            move_by(index, 1, 0);
            return true;
        case Qt::Key_Up:
            move_by(index, 0, -1);
            return true;
        case Qt::Key_Down:
            move_by(index, 0, 1);
            return true;
        case Qt::Key_PageUp:
            show_page(page_ - 1);
            return true;
        case Qt::Key_PageDown:
            show_page(page_ + 1);
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

bool SlotScreen::ask(const QString& question, bool yes_first) {
    QMessageBox box(QMessageBox::Question, ui("ハザマ"), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(yes_first ? QMessageBox::Yes : QMessageBox::No);
    return hooks_.ask(box) && box.clickedButton() == box.button(QMessageBox::Yes);
}

// Past the left or right column the page before or after is shown, at the same row.
void SlotScreen::move_by(int from, int columns, int rows) {
    int column = from % kColumns + columns;
    const int row = qBound(0, from / kColumns + rows, kPerPage / kColumns - 1);
    if (column < 0 || column >= kColumns) {
        const int page = page_ + (column < 0 ? -1 : 1);
        if (page < first_page() || page > kPages) return;
        column = column < 0 ? kColumns - 1 : 0;
        current_ = row * kColumns + column;
        show_page(page);
        return;
    }
    const int next = row * kColumns + column;
    if (cards_[next]->isHidden()) return;
    current_ = next;
    cards_[next]->setFocus(Qt::OtherFocusReason);
}

}  // namespace hazama
