// The message line labmain and the maker's notice labcopy: labels that draw their text as a
// label does, with what the game's faces need besides. The text they hold (and tell the
// desktop's screen reader) is always the text the core gave.
#pragma once

#include <QLabel>
#include <QString>

namespace hazama {

// The text as drawn: a U+2015 beside another is drawn as U+2500, which the gothic face draws
// edge to edge, so that "――" reads as one unbroken dash (the face leaves a gap on both sides
// of U+2015).
QString joined_dashes(QString text);

// The message line. It also shows a line a character at a time: the whole line is held, and
// only its beginning is drawn.
class MessageLine : public QLabel {
  public:
    explicit MessageLine(QWidget* parent);

    // Shows `text` whole.
    void show_line(const QString& text) { show_part(text, -1); }
    // Holds `text` and draws its first `shown` characters (QString units); -1: all of it.
    // A text other than the one held is a new line: screen readers are told of it.
    void show_part(const QString& text, qsizetype shown);
    // What is drawn now: the text or its beginning.
    QString drawn() const { return shown_ < 0 ? text() : text().left(shown_); }
    // A line of Latin letters without a Japanese character is English: drawn in a Latin
    // face, wrapped by words, speech hanging-indented (english_layout.h).
    bool english() const { return english_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paint_english();

    qsizetype shown_ = -1;
    bool english_ = false;
};

// The maker's notice. The signs © and ® take a full cell of the fixed-pitch face, as the
// notice's layout counts them (the face draws them in half of one): the brand line's seven
// spaces then put it right over the maker's name.
class NoticeLabel : public QLabel {
  public:
    explicit NoticeLabel(QWidget* parent) : QLabel(parent) {}
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString drawn() const;
};

}  // namespace hazama
