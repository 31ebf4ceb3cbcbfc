// English messages in the message line, in Qt's terms: the face and its line step, and the
// session's layout rules (shell/english_layout.h) measured with a QFontMetrics.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QStringList>

#include "shell/english_layout.h"

namespace hazama {

// The face and size of English messages, for the message line whose Japanese face is
// `gothic` (so it scales with the window as the gothic face does).
QFont english_message_font(const QFont& gothic);

// The room a line of the message line takes, at the size of `font`.
int english_line_step(const QFont& font);

// A line of Latin letters without a Japanese character (shell/english_layout.h).
bool is_english(const QString& text);

// The length of "Name: " when `text` is speech ("Name: “…”", the whole message), else 0.
qsizetype speaker_prefix(const QString& text);

struct EnglishLines {
    QStringList lines;  // each without the spaces it was broken at
    int indent = 0;     // pixels before every line after the first
    // Where each line starts in the text, for drawing only the first characters of it.
    QList<qsizetype> starts;
};

// Wraps `text` by words into lines no wider than `width` (the lines after the first of
// speech start after the speaker's name). A word too long for a line of its own is cut.
EnglishLines wrap_english(const QString& text, const QFontMetrics& metrics, int width);

}  // namespace hazama
