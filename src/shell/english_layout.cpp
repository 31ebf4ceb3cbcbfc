// English messages in the message line (english_layout.h).
#include "shell/english_layout.h"

namespace hazama {
namespace {

bool space_or_mark(char16_t c) {
    switch (c) {
        case u' ':
        case u'\t':
        case u'\n':
        case u'\r':
        case u'\f':
        case u'\v':
        case u'\u00a0':
        case u'\u3000':
        case u':':
        case u'“':
        case u'”':
            return true;
        default:
            return false;
    }
}

}  // namespace

bool is_english(std::u16string_view text) {
    bool latin = false;
    for (const char16_t u : text) {
        if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x9fff) ||
            (u >= 0xff00 && u <= 0xffef))
            return false;
        latin |= (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
    }
    return latin;
}

std::size_t speaker_prefix(std::u16string_view text) {
    // The name: one to three words without spaces, colons or quotes, one space between.
    std::size_t i = 0;
    for (int word = 0; word < 3; ++word) {
        const std::size_t start = i;
        while (i < text.size() && !space_or_mark(text[i])) ++i;
        if (i == start) return 0;
        if (i < text.size() && text[i] == u' ' && word < 2 && i + 1 < text.size() &&
            !space_or_mark(text[i + 1])) {
            ++i;
            continue;
        }
        break;
    }
    if (text.substr(i, 3) != u": “" || text.size() < i + 4 || text.back() != u'”') return 0;
    return i + 2;
}

WrappedLines wrap_english(std::u16string_view text, const MeasureText& measure, int width) {
    WrappedLines out;
    const std::size_t prefix = speaker_prefix(text);
    if (prefix > 0) out.indent = measure(text.substr(0, prefix));
    std::size_t start = 0;  // of the line being filled
    std::size_t end = 0;    // of its last whole word
    auto room = [&] { return out.lines.empty() ? width : width - out.indent; };
    auto close_line = [&](std::size_t until, std::size_t next) {
        out.lines.emplace_back(text.substr(start, until - start));
        out.starts.push_back(start);
        start = next;
        end = next;
    };
    std::size_t i = 0;
    while (i <= text.size()) {
        const bool at_space = i == text.size() || text[i] == u' ';
        if (!at_space) {
            ++i;
            continue;
        }
        // [start, i) would be the line with this word.
        if (measure(text.substr(start, i - start)) <= room()) {
            end = i;
        } else if (end > start) {
            close_line(end, end + 1);
            continue;  // the same word again, on the new line
        } else {
            // One word wider than a line: cut it where it stops fitting.
            std::size_t cut = start + 1;
            while (cut < i && measure(text.substr(start, cut + 1 - start)) <= room()) ++cut;
            close_line(cut, cut);
            continue;
        }
        if (i == text.size()) break;
        ++i;
    }
    if (end > start || out.lines.empty()) close_line(end, end);
    return out;
}

}  // namespace hazama
