// The message line and the maker's notice (message_line.h).
#include "desktop/message_line.h"

#include <QPainter>

#include <QStyle>
#include <QStyleOption>
#include "desktop/english_layout.h"

namespace hazama {
namespace {

constexpr QChar kBar(0x2015);
constexpr QChar kBoxLine(0x2500);

// Draws `drawn` where and as QLabel draws its own plain text.
void draw_as_label(QLabel& label, const QString& drawn) {
    QPainter p(&label);
    QStyleOption option;
    option.initFrom(&label);
    int flags = static_cast<int>(QStyle::visualAlignment(Qt::LeftToRight, label.alignment())) |
                Qt::TextForceLeftToRight;
    if (label.wordWrap()) flags |= Qt::TextWordWrap;
    label.style()->drawItemText(&p, label.contentsRect(), flags, option.palette, label.isEnabled(),
                                drawn, label.foregroundRole());
}

}  // namespace

QString joined_dashes(QString text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != kBar && text[i] != kBoxLine) continue;
        if (text[i + 1] == kBar) {
            text[i] = kBoxLine;
            text[i + 1] = kBoxLine;
        }
    }
    return text;
}

MessageLine::MessageLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void MessageLine::show_part(const QString& text, qsizetype shown) {
    // setText tells the screen reader of a new text, and only then.
    if (text != this->text()) {
        setText(text);
        english_ = is_english(text);
    }
    if (shown >= text.size()) shown = -1;
    if (shown == shown_) return;
    shown_ = shown;
    update();
}

void MessageLine::paint_english() {
    const QFont font = english_message_font(this->font());
    const QFontMetrics metrics(font);
    const QRect area = contentsRect();
    const EnglishLines laid = wrap_english(text(), metrics, area.width());
    const qsizetype shown = shown_ < 0 ? text().size() : shown_;
    QPainter p(this);
    p.setFont(font);
    p.setPen(palette().color(foregroundRole()));
    const int step = english_line_step(font);
    for (qsizetype k = 0; k < laid.lines.size(); ++k) {
        const qsizetype part = shown - laid.starts[k];
        if (part <= 0) break;
        const int x = area.left() + (k == 0 ? 0 : laid.indent);
        const int y = area.top() + static_cast<int>(k) * step + metrics.ascent();
        p.drawText(x, y, laid.lines[k].left(part));
    }
}

void MessageLine::paintEvent(QPaintEvent* event) {
    if (english_) {
        paint_english();
        return;
    }
    const QString drawn = joined_dashes(this->drawn());
    if (drawn == text()) {
        QLabel::paintEvent(event);
        return;
    }
    draw_as_label(*this, drawn);
}

QString NoticeLabel::drawn() const {
    QString out;
    for (const QChar c : text()) {
        out += c;
        // Half a cell more for a sign the face sets in half of one.
        if (c == QChar(0xA9) || c == QChar(0xAE)) out += QLatin1Char(' ');
    }
    return out;
}

QSize NoticeLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    const int grown = metrics.boundingRect(QRect(), Qt::AlignLeft, drawn()).width() -
                      metrics.boundingRect(QRect(), Qt::AlignLeft, text()).width();
    return QLabel::sizeHint() + QSize(grown, 0);
}

void NoticeLabel::paintEvent(QPaintEvent* event) {
    const QString drawn = this->drawn();
    if (drawn == text()) {
        QLabel::paintEvent(event);
        return;
    }
    draw_as_label(*this, drawn);
}

}  // namespace hazama
