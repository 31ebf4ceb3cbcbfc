// The history panel: choosing a line to go back to, the marks under the pointer and on the
// chosen line, its offer この行に戻る, and the short notice at the foot.
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "desktop/history_panel.h"
#include "desktop/ui_text.h"
#include "graphics/stage.h"

namespace hazama {
namespace {

constexpr int kNoticeMs = 2000;
const QColor kHover(255, 255, 255, 22);
const QColor kChosen(255, 255, 255, 40);
const QColor kOffer(255, 214, 140);
const QColor kOfferText(12, 18, 44);
const QColor kNoticeBack(0, 0, 0, 200);

// From the content's design pixels to the panel's own.
QRect shown_rect(const QRect& content, int top, double factor) {
    if (content.isEmpty()) return {};
    const auto scaled = [factor](int v) { return static_cast<int>(std::lround(v * factor)); };
    return QRect(QPoint(scaled(content.left()), scaled(content.top() - top)),
                 QPoint(scaled(content.right() + 1) - 1, scaled(content.bottom() + 1 - top) - 1));
}

}  // namespace

void HistoryPanel::set_lines_back(std::vector<int> lines_back) {
    lines_back_ = std::move(lines_back);
    update();
}

int HistoryPanel::lines_back(int entry) const {
    if (entry < 0 || entry >= static_cast<int>(lines_back_.size())) return -1;
    return lines_back_[static_cast<std::size_t>(entry)];
}

QRect HistoryPanel::content_rect(int entry) const {
    QRect span;
    for (const Block& b : blocks_) {
        if (b.entry == entry) span |= QRect(kMargin / 2, b.y - kGap / 2, 1, b.height + kGap);
    }
    if (span.isEmpty()) return {};
    span.setRight(kStageWidth - kMargin / 2 - 1);
    if (entry == chosen_) span.setBottom(span.bottom() + kOfferHeight);
    return span;
}

QRect HistoryPanel::offer_content_rect() const {
    const QRect entry = content_rect(chosen_);
    if (entry.isEmpty()) return {};
    const QString text = ui("この行に戻る");
    const int width = QFontMetrics(font()).horizontalAdvance(text) + 20;
    return {entry.right() - kMargin / 2 - width, entry.bottom() - kOfferHeight + 1, width,
            kOfferHeight - 4};
}

QRect HistoryPanel::entry_rect(int entry) const {
    return shown_rect(content_rect(entry), top_, factor_);
}

QRect HistoryPanel::offer_rect() const {
    return shown_rect(offer_content_rect(), top_, factor_);
}

int HistoryPanel::entry_at(QPoint point) const {
    const double x = point.x() / factor_;
    const double y = point.y() / factor_ + top_;
    for (const Block& b : blocks_) {
        if (b.divider) continue;
        const QRect span = content_rect(b.entry);
        if (x >= span.left() && x <= span.right() && y >= span.top() && y <= span.bottom())
            return b.entry;
    }
    return -1;
}

void HistoryPanel::choose(int entry) {
    chosen_ = returnable(entry) ? entry : -1;
    lay_out();
    // Keep the chosen line and its offer in view, moving as little as will do.
    const QRect span = content_rect(chosen_);
    if (!span.isEmpty()) {
        if (span.top() < top_) {
            scroll_to(span.top());
        } else if (span.bottom() > top_ + kHeight) {
            scroll_to(span.bottom() - kHeight);
        }
    }
    scroll_to(top_);  // the content may have shrunk
}

bool HistoryPanel::choose_next(int direction) {
    const int count = static_cast<int>(entries_.size());
    if (chosen_ < 0) {
        if (direction > 0) return false;
        for (int e = count - 1; e >= 0; --e) {
            const QRect span = content_rect(e);
            if (returnable(e) && span.top() >= top_ && span.bottom() <= top_ + kHeight) {
                choose(e);
                return true;
            }
        }
        return false;
    }
    for (int e = chosen_ + direction; e >= 0 && e < count; e += direction) {
        if (returnable(e)) {
            choose(e);
            return true;
        }
    }
    return false;
}

void HistoryPanel::tell(const QString& text) {
    notice_ = text;
    notice_timer_.start(kNoticeMs);
    update();
}

void HistoryPanel::set_hover(int entry) {
    if (!returnable(entry)) entry = -1;
    if (entry == hover_) return;
    hover_ = entry;
    if (hover_ >= 0) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    update();
}

void HistoryPanel::mouseMoveEvent(QMouseEvent* event) {
    set_hover(entry_at(event->position().toPoint()));
}

void HistoryPanel::leaveEvent(QEvent*) {
    set_hover(-1);
}

// Under the text: a faint bar on the line under the pointer, a brighter one on the chosen
// line with its offer.
void HistoryPanel::paint_marks(QPainter& p) const {
    if (hover_ >= 0 && hover_ != chosen_)
        p.fillRect(content_rect(hover_).translated(0, -top_), kHover);
    const QRect offer = offer_content_rect();
    if (offer.isEmpty()) return;
    p.fillRect(content_rect(chosen_).translated(0, -top_), kChosen);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kOffer);
    const QRect shown = offer.translated(0, -top_);
    p.drawRoundedRect(shown, 4, 4);
    p.setPen(kOfferText);
    p.drawText(shown, Qt::AlignCenter, ui("この行に戻る"));
    p.restore();
}

void HistoryPanel::paint_notice(QPainter& p) const {
    if (notice_.isEmpty()) return;
    const QFontMetrics metrics(font());
    const int width = metrics.horizontalAdvance(notice_) + 24;
    const int height = metrics.height() + 10;
    const QRect box((kStageWidth - width) / 2, kHeight - height - kMargin, width, height);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kNoticeBack);
    p.drawRoundedRect(box, 4, 4);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, notice_);
    p.restore();
}

}  // namespace hazama
