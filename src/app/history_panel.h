// The history panel (履歴): the messages shown so far over the scene and the message strip,
// oldest at the top, each laid out with its own line breaks and the speaker's name set
// apart, a divider where a saved game was loaded.
#pragma once

#include <QString>
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
    int page() const;
    int scroll_top() const { return top_; }
    bool at_end() const { return top_ >= bottom(); }
    // Fullscreen: the panel is drawn this many times its size; its layout and scrolling
    // stay in the design's pixels.
    void set_factor(double factor);
    // The text of every message in the panel, as shown (for the tests).
    QStringList texts() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Block {
        QString speaker;    // drawn in its own colour
        QStringList lines;  // the message's lines; the first one after the speaker
        bool divider = false;
        bool english = false;  // in the Latin face, wrapped by words
        int indent = 0;        // of the English lines after the first (speech)
        int y = 0;             // top in the content
        int height = 0;
    };
    int bottom() const;
    void lay_out();
    void paint_english(QPainter& p, const Block& b, int y) const;
    Block english_block(const std::string& japanese) const;
    void scroll_to(int top);

    std::deque<HistoryEntry> entries_;
    bool english_ = false;
    bool both_ = false;
    std::vector<Block> blocks_;
    int content_height_ = 0;
    int top_ = 0;
    mutable int line_height_ = 0;  // 0 until measured
    double factor_ = 1.0;
};

}  // namespace hazama
