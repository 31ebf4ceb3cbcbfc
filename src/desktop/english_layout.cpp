// English messages in the message line (english_layout.h).
#include "desktop/english_layout.h"

#include <QFontInfo>
#include <QRegularExpression>
#include <cmath>

namespace hazama {
namespace {

// The English face is set a little smaller than the gothic one: Latin letters of the same
// size read larger, and three lines of it must fit where the Japanese has three.
constexpr double kEnglishScale = 18.0 / 19.0;
// Three lines in the message line's 65 pixels, at the face's 18 pixels.
constexpr double kLineStepEm = 21.0 / 18.0;

}  // namespace

QFont english_message_font(const QFont& gothic) {
    QFont font(QStringLiteral("Carlito"));
    if (gothic.pixelSize() > 0) {
        font.setPixelSize(static_cast<int>(std::lround(gothic.pixelSize() * kEnglishScale)));
    } else {
        font.setPointSizeF(gothic.pointSizeF() * kEnglishScale);
    }
    font.setStyleStrategy(gothic.styleStrategy());
    return font;
}

int english_line_step(const QFont& font) {
    return static_cast<int>(std::lround(QFontInfo(font).pixelSize() * kLineStepEm));
}

qsizetype speaker_prefix(const QString& text) {
    // A name of one to three words, a colon, and the words in quotes to the end: the
    // English edition's speech. A quotation inside narration does not end it.
    static const QRegularExpression speech(QStringLiteral("^[^\\s:“”]+(?: [^\\s:“”]+){0,2}: “.*”$"),
                                           QRegularExpression::DotMatchesEverythingOption);
    if (!speech.match(text).hasMatch()) return 0;
    return text.indexOf(QStringLiteral(": “")) + 2;
}

EnglishLines wrap_english(const QString& text, const QFontMetrics& metrics, int width) {
    EnglishLines out;
    const qsizetype prefix = speaker_prefix(text);
    if (prefix > 0) out.indent = metrics.horizontalAdvance(text.left(prefix));
    qsizetype start = 0;  // of the line being filled
    qsizetype end = 0;    // of its last whole word
    auto room = [&] { return out.lines.isEmpty() ? width : width - out.indent; };
    auto close_line = [&](qsizetype until, qsizetype next) {
        out.lines.append(text.mid(start, until - start));
        out.starts.append(start);
        start = next;
        end = next;
    };
    qsizetype i = 0;
    while (i <= text.size()) {
        const bool at_space = i == text.size() || text[i] == u' ';
        if (!at_space) {
            ++i;
            continue;
        }
        // [start, i) would be the line with this word.
        if (metrics.horizontalAdvance(text.mid(start, i - start)) <= room()) {
            end = i;
        } else if (end > start) {
            close_line(end, end + 1);
            continue;  // the same word again, on the new line
        } else {
            // One word wider than a line: cut it where it stops fitting.
            qsizetype cut = start + 1;
            while (cut < i && metrics.horizontalAdvance(text.mid(start, cut + 1 - start)) <= room())
                ++cut;
            close_line(cut, cut);
            continue;
        }
        if (i == text.size()) break;
        ++i;
    }
    if (end > start || out.lines.isEmpty()) close_line(end, end);
    return out;
}

}  // namespace hazama
