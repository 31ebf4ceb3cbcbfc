// English messages in the message line (english_layout.h).
#include "desktop/english_layout.h"

#include <QFontInfo>
#include <cmath>

namespace hazama {
namespace {

std::u16string_view view(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace

QFont english_message_font(const QFont& gothic) {
    QFont font(QString::fromLatin1(kEnglishFace));
    if (gothic.pixelSize() > 0) {
        font.setPixelSize(static_cast<int>(std::lround(gothic.pixelSize() * kEnglishScale)));
    } else {
        font.setPointSizeF(gothic.pointSizeF() * kEnglishScale);
    }
    font.setStyleStrategy(gothic.styleStrategy());
    return font;
}

int english_line_step(const QFont& font) {
    return static_cast<int>(std::lround(QFontInfo(font).pixelSize() * kEnglishLineStepEm));
}

bool is_english(const QString& text) {
    return is_english(view(text));
}

qsizetype speaker_prefix(const QString& text) {
    return static_cast<qsizetype>(speaker_prefix(view(text)));
}

EnglishLines wrap_english(const QString& text, const QFontMetrics& metrics, int width) {
    const WrappedLines laid = wrap_english(
        view(text),
        [&metrics](std::u16string_view part) {
            return metrics.horizontalAdvance(QString(reinterpret_cast<const QChar*>(part.data()),
                                                     static_cast<qsizetype>(part.size())));
        },
        width);
    EnglishLines out;
    out.indent = laid.indent;
    for (const std::u16string& line : laid.lines) out.lines.append(QString::fromStdU16String(line));
    for (const std::size_t start : laid.starts) out.starts.append(static_cast<qsizetype>(start));
    return out;
}

}  // namespace hazama
