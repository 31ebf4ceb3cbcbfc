// One slot of the slot screen (slot_card.h).
#include "desktop/slot_card.h"

#include <QFontMetrics>
#include <QPainter>

#include "desktop/ui_text.h"

namespace hazama {
namespace {

// The card's design height: every length below is a part of it, so the card draws alike at
// any factor of the window.
constexpr double kDesignHeight = 100.0;

// `text` in rows of at most `width`, at most `rows` of them; the last one ends in "…" when
// more would follow. Latin text breaks between words, Japanese anywhere.
QStringList wrapped(QString text, const QFontMetrics& metrics, int width, int rows) {
    QStringList out;
    while (!text.isEmpty() && out.size() < rows) {
        if (out.size() == rows - 1 || metrics.horizontalAdvance(text) <= width) {
            out << metrics.elidedText(text, Qt::ElideRight, width);
            break;
        }
        qsizetype fit = 1;
        while (fit < text.size() && metrics.horizontalAdvance(text.left(fit + 1)) <= width) ++fit;
        const qsizetype space = text.lastIndexOf(QLatin1Char(' '), fit);
        if (space > 0) fit = space + 1;
        out << text.left(fit).trimmed();
        text = text.mid(fit).trimmed();
    }
    return out;
}

}  // namespace

SlotCard::SlotCard(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void SlotCard::show_card(const SlotCardView& card) {
    state_ = card.state == SlotCardView::State::used      ? State::used
             : card.state == SlotCardView::State::damaged ? State::damaged
                                                          : State::empty;
    title_ = QString::fromStdString(card.title);
    path_ = card.path;
    why_ = card.why;
    saved_at_ = QString::fromStdString(card.saved_at);
    place_ = QString::fromStdString(card.place);
    line_ = QString::fromStdString(card.line);
    thumbnail_ = QImage();
    if (state_ == State::used) {
        thumbnail_.loadFromData(reinterpret_cast<const uchar*>(card.thumbnail_png.data()),
                                static_cast<int>(card.thumbnail_png.size()), "PNG");
    }
    setAccessibleName(QString::fromStdString(card.spoken));
    update();
}

void SlotCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double unit = height() / kDesignHeight;
    const int margin = qRound(4 * unit);
    const bool current = hasFocus();

    painter.fillRect(rect(), current ? QColor(0xe6, 0xee, 0xfa) : QColor(Qt::white));
    painter.setPen(QPen(current ? QColor(0x2f, 0x5f, 0xa8) : QColor(0xa0, 0xa0, 0xa0),
                        current ? qMax(2.0, 2 * unit) : qMax(1.0, unit)));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));

    // The scene at 4:3, as the game shows it.
    const int picture_height = height() - 2 * margin;
    const QRect picture(margin, margin, picture_height * 4 / 3, picture_height);
    if (state_ == State::used && !thumbnail_.isNull()) {
        painter.fillRect(picture, Qt::black);
        QRect drawn(QPoint(), thumbnail_.size().scaled(picture.size(), Qt::KeepAspectRatio));
        drawn.moveCenter(picture.center());
        painter.drawImage(drawn, thumbnail_);
    } else {
        painter.fillRect(picture, state_ == State::damaged ? QColor(0xf3, 0xdc, 0xdc)
                                                           : QColor(0xee, 0xee, 0xee));
    }

    const QRect text(picture.right() + 2 * margin, margin, width() - picture.right() - 3 * margin,
                     height() - 2 * margin);
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(font());
    const int row = metrics.height() + qRound(2 * unit);
    painter.setPen(Qt::black);
    painter.setFont(bold);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, title_);
    painter.setFont(font());
    // The date beside the heading, or below it when a long heading leaves no room.
    const int beside = QFontMetrics(bold).horizontalAdvance(title_) + metrics.averageCharWidth() +
                       metrics.horizontalAdvance(saved_at_);
    QRect next = text.adjusted(0, row + qRound(2 * unit), 0, 0);
    if (beside <= text.width()) {
        painter.drawText(text, Qt::AlignRight | Qt::AlignTop, saved_at_);
    } else if (!saved_at_.isEmpty()) {
        painter.drawText(next, Qt::AlignLeft | Qt::AlignTop, saved_at_);
        next.adjust(0, row, 0, 0);
    }
    const auto write = [&](const QString& words, const QColor& colour, int rows) {
        painter.setPen(colour);
        for (const QString& r : wrapped(words, metrics, text.width(), rows)) {
            painter.drawText(next, Qt::AlignLeft | Qt::AlignTop, r);
            next.adjust(0, row, 0, 0);
        }
    };
    const int rows_left = (next.height() + row - metrics.height()) / row;
    switch (state_) {
        case State::empty:
            write(ui(SlotPages::kEmpty), QColor(0x80, 0x80, 0x80), 1);
            break;
        case State::damaged:
            write(ui(SlotPages::kDamaged), QColor(0xb0, 0x20, 0x20), 1);
            write(QString::fromStdString(why_), QColor(0x80, 0x80, 0x80), rows_left - 1);
            break;
        case State::used:
            write(place_, QColor(0x20, 0x40, 0x80), 1);
            write(line_, Qt::black, rows_left - 1);
            break;
    }
}

}  // namespace hazama
