// The history panel (履歴): the messages shown so far over the scene and the message strip,
// oldest at the top, each laid out with its own line breaks and the speaker's name set
// apart, a divider where a saved game was loaded. A line the game can go back to is marked
// under the pointer; chosen, it offers この行に戻る below it.
#pragma once

#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <vector>

class QPainter;

#include "reading/history.h"

namespace hazama {

class HistoryPanel : public QWidget {
  public:
    // Covers the scene (4, 5, 512 × 384) and the message strip below it (from y 397 to the
    // right edge of the message line), and nothing of the right-hand column.
    explicit HistoryPanel(QWidget* parent);

    // Takes the log's content (the lines in Japanese, their keys) and scrolls to the newest
    // message.
    void set_entries(const std::deque<HistoryEntry>& entries);
    // Which languages the lines are listed in: English when the game is in English; else
    // Japanese, with each line's English under it when `both`. Lays the log out again.
    void set_languages(bool english, bool both);
    // Moves the view by `dy` pixels (negative: towards the oldest); false when it was
    // already at that end, so that moving on past it may close the panel.
    bool scroll_by(int dy);
    void scroll_to_start() { scroll_to(0); }
    void scroll_to_end() { scroll_to(bottom()); }
    int line_height() const;
    // The face of the panel's own words (the empty history, the load's divider): the
    // English lines' face in English, the gothic in Japanese.
    QFont words_font() const;
    int page() const;
    int scroll_top() const { return top_; }
    bool at_end() const { return top_ >= bottom(); }
    // Fullscreen: the panel is drawn this many times its size; its layout and scrolling
    // stay in the design's pixels.
    void set_factor(double factor);
    // The text of every message in the panel, as shown (for the tests).
    QStringList texts() const;

    // ---- going back (history_panel_pick.cpp); entries are counted as set_entries has them
    // How many lines back each entry is from the line shown last, -1 where the game cannot
    // go back to it.
    void set_lines_back(std::vector<int> lines_back);
    int lines_back(int entry) const;
    bool returnable(int entry) const { return lines_back(entry) >= 0; }
    // The message under a point of the panel (its own pixels), -1 where there is none.
    int entry_at(QPoint point) const;
    // The chosen line (-1: none), brought into view with its offer under it.
    int chosen() const { return chosen_; }
    void choose(int entry);
    // Moves the choice to the next line that can be returned to, towards the oldest (-1)
    // or the newest (+1); with none chosen, Up takes the newest in view. False when there
    // is no such line.
    bool choose_next(int direction);
    // Where the chosen line's この行に戻る is, in the panel's pixels (empty when none).
    QRect offer_rect() const;
    QRect entry_rect(int entry) const;
    // A short notice at the foot of the panel, gone after a moment.
    void tell(const QString& text);
    QString notice() const { return notice_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    static constexpr int kHeight = 457;
    static constexpr int kMargin = 16;
    static constexpr int kGap = 8;           // between two messages
    static constexpr int kOfferHeight = 24;  // the row of この行に戻る under a chosen line

    struct Block {
        QString speaker;    // drawn in its own colour
        QStringList lines;  // the message's lines; the first one after the speaker
        bool divider = false;
        bool english = false;  // in the Latin face, wrapped by words
        int entry = -1;        // which of the entries it shows
        int indent = 0;        // of the English lines after the first (speech)
        int y = 0;             // top in the content
        int height = 0;
    };
    int bottom() const;
    void lay_out();
    void paint_english(QPainter& p, const Block& b, int y) const;
    Block english_block(const std::string& japanese) const;
    void scroll_to(int top);
    // The entry's place in the content (design pixels), its offer included.
    QRect content_rect(int entry) const;
    QRect offer_content_rect() const;
    void set_hover(int entry);
    void paint_marks(QPainter& p) const;
    void paint_notice(QPainter& p) const;

    std::deque<HistoryEntry> entries_;
    bool english_ = false;
    bool both_ = false;
    std::vector<Block> blocks_;
    int content_height_ = 0;
    int top_ = 0;
    mutable int line_height_ = 0;  // 0 until measured
    double factor_ = 1.0;
    std::vector<int> lines_back_;
    int hover_ = -1;
    int chosen_ = -1;
    QString notice_;
    QTimer notice_timer_;
};

}  // namespace hazama
