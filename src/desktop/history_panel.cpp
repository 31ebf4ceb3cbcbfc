// The history panel: layout of the logged messages and their painting.
#include "desktop/history_panel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>

#include "desktop/app_setup.h"
#include "desktop/english_layout.h"
#include "desktop/message_line.h"
#include "desktop/ui_text.h"
#include "graphics/stage.h"

namespace hazama {
namespace {

constexpr int kSceneWidth = kStageWidth;
constexpr int kStripTop = 392;  // the message line's top (y 397) in the panel
constexpr int kStripWidth = 627;
constexpr int kUnderGap = 2;  // between a line and its English under it
const QColor kBackground(12, 18, 44, 238);
const QColor kText(Qt::white);
const QColor kSpeaker(255, 214, 140);
const QColor kDivider(150, 160, 190);

}  // namespace

HistoryPanel::HistoryPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("history"));
    setGeometry(4, 5, kStripWidth, kHeight);
    set_factor(1.0);
    setFont(design_font(QStringLiteral("ＭＳ ゴシック"), 12));
    setMouseTracking(true);
    notice_timer_.setSingleShot(true);
    connect(&notice_timer_, &QTimer::timeout, this, [this] {
        notice_.clear();
        update();
    });
    hide();
}

int HistoryPanel::line_height() const {
    // Measured when first needed: the font is not wanted before the title screen is up.
    if (line_height_ == 0) line_height_ = QFontMetrics(font()).lineSpacing() + 2;
    return line_height_;
}

void HistoryPanel::set_entries(const std::deque<HistoryEntry>& entries) {
    entries_ = entries;
    lines_back_.clear();
    hover_ = chosen_ = -1;
    notice_.clear();
    unsetCursor();
    lay_out();
    scroll_to_end();
}

void HistoryPanel::set_languages(bool english, bool both) {
    if (english == english_ && both == both_) return;
    english_ = english;
    both_ = both;
    lay_out();
    scroll_to_end();
}

QFont HistoryPanel::words_font() const {
    return english_ ? english_message_font(font()) : font();
}

HistoryPanel::Block HistoryPanel::english_block(const std::string& japanese) const {
    Block block;
    block.english = true;
    const QString text = english_of(japanese);
    const QFont face = english_message_font(font());
    const QFontMetrics metrics(face);
    const qsizetype prefix = speaker_prefix(text);
    block.speaker = text.left(prefix);
    const EnglishLines laid = wrap_english(text, metrics, kSceneWidth - 2 * kMargin);
    block.lines = laid.lines;
    if (!block.lines.isEmpty()) block.lines[0] = block.lines[0].mid(prefix);
    block.indent = laid.indent;
    block.height = static_cast<int>(block.lines.size()) * english_line_step(face);
    return block;
}

void HistoryPanel::lay_out() {
    blocks_.clear();
    const int line_height = this->line_height();
    int y = kMargin;
    for (int index = 0; index < static_cast<int>(entries_.size()); ++index) {
        const HistoryEntry& entry = entries_[static_cast<std::size_t>(index)];
        if (!entry.divider && english_) {
            Block block = english_block(entry.text);
            block.y = y;
            block.entry = index;
            y += block.height + kGap;
            blocks_.push_back(std::move(block));
            if (index == chosen_) y += kOfferHeight;
            continue;
        }
        Block block;
        block.entry = index;
        block.divider = entry.divider;
        if (entry.divider) {
            block.height = line_height;
        } else {
            const std::string_view speaker = speaker_of(entry.text);
            block.speaker =
                QString::fromUtf8(speaker.data(), static_cast<qsizetype>(speaker.size()));
            QString rest = QString::fromStdString(entry.text.substr(speaker.size()));
            rest.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            block.lines = rest.split(QLatin1Char('\n'));
            block.height = static_cast<int>(block.lines.size()) * line_height;
        }
        block.y = y;
        y += block.height + kGap;
        blocks_.push_back(std::move(block));
        if (!entry.divider && both_) {
            // The English line under the Japanese one, closer to it than to the next.
            Block under = english_block(entry.text);
            under.entry = index;
            y += kUnderGap - kGap;
            under.y = y;
            y += under.height + kGap;
            blocks_.push_back(std::move(under));
        }
        if (index == chosen_) y += kOfferHeight;
    }
    content_height_ = y + kMargin - kGap;
}

void HistoryPanel::set_factor(double factor) {
    factor_ = factor;
    const auto scaled = [factor](int design) {
        return static_cast<int>(std::lround(design * factor));
    };
    // Below the scene the panel widens to the message line, which starts under the buttons.
    setMask(QRegion(0, 0, scaled(kSceneWidth), scaled(kStripTop)) +
            QRegion(0, scaled(kStripTop), scaled(kStripWidth), scaled(kHeight - kStripTop)));
    update();
}

int HistoryPanel::page() const {
    return std::max(line_height(), kHeight - 2 * line_height());
}

int HistoryPanel::bottom() const {
    return std::max(0, content_height_ - kHeight);
}

void HistoryPanel::scroll_to(int top) {
    top_ = std::clamp(top, 0, bottom());
    update();
}

bool HistoryPanel::scroll_by(int dy) {
    const int before = top_;
    scroll_to(top_ + dy);
    return top_ != before;
}

QStringList HistoryPanel::texts() const {
    QStringList out;
    for (const Block& b : blocks_) {
        if (!b.divider) out << b.speaker + b.lines.join(QLatin1Char('\n'));
    }
    return out;
}

void HistoryPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    // Text under a scaled painter is drawn from the font's outlines at the size shown.
    p.scale(factor_, factor_);
    const QFontMetrics metrics(font());
    const int ascent = metrics.ascent() + 1;
    const QFont words = words_font();
    const QFontMetrics words_metrics(words);
    if (blocks_.empty()) {
        // Opened before any line (right after a load): say so rather than show nothing.
        p.setFont(words);
        p.setPen(kDivider);
        p.drawText(QRect(0, 0, kSceneWidth, kStripTop), Qt::AlignCenter,
                   ui("履歴はまだありません"));
        return;
    }
    paint_marks(p);
    for (const Block& b : blocks_) {
        const int y = b.y - top_;
        if (y + b.height < 0 || y > kHeight) continue;
        if (b.divider) {
            p.setPen(kDivider);
            const int mid = y + b.height / 2;
            p.drawLine(kMargin, mid, kSceneWidth - kMargin, mid);
            const QString load = ui(" ロード ");
            const int w = words_metrics.horizontalAdvance(load);
            const QRect label((kSceneWidth - w) / 2, y, w, b.height);
            p.fillRect(label, kBackground);
            p.setFont(words);
            p.drawText(label, Qt::AlignCenter, load);
            p.setFont(font());
            continue;
        }
        if (b.english) {
            paint_english(p, b, y);
            continue;
        }
        int x = kMargin;
        if (!b.speaker.isEmpty()) {
            // Colour only: the continuation lines are indented to the column after 「.
            p.setPen(kSpeaker);
            p.drawText(x, y + ascent, b.speaker);
            x += metrics.horizontalAdvance(b.speaker);
        }
        p.setPen(kText);
        for (int i = 0; i < b.lines.size(); ++i) {
            p.drawText(i == 0 ? x : kMargin, y + i * line_height() + ascent,
                       joined_dashes(b.lines[i]));
        }
    }
    paint_notice(p);
}

void HistoryPanel::paint_english(QPainter& p, const Block& b, int y) const {
    const QFont font = english_message_font(this->font());
    const QFontMetrics metrics(font);
    const int step = english_line_step(font);
    p.save();
    p.setFont(font);
    int x = kMargin;
    if (!b.speaker.isEmpty()) {
        p.setPen(kSpeaker);
        p.drawText(x, y + metrics.ascent(), b.speaker);
        x += b.indent;
    }
    p.setPen(kText);
    for (int i = 0; i < b.lines.size(); ++i)
        p.drawText(i == 0 ? x : kMargin + b.indent, y + i * step + metrics.ascent(), b.lines[i]);
    p.restore();
}

}  // namespace hazama
