// An English message as the page draws it (english_lines.h).
#include "web/english_lines.h"

#include <cmath>
#include <vector>

#include "shell/stage_layout.h"
#include "web/json_text.h"

namespace hazama {
namespace {

// The stage's pixels for a point size (96 to the inch, as the desktop's screen).
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// The length of the UTF-8 sequence a byte begins and the bits it holds of the character.
int sequence_length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 0;
}

// `text` in UTF-16, CR LF as one line break as the window shows it; its first `shown` bytes
// become `shown_units` units. A byte that begins no valid sequence is U+FFFD.
std::u16string utf16(std::string_view text, std::size_t shown, std::size_t& shown_units) {
    std::u16string out;
    shown_units = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (i <= shown) shown_units = out.size();
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = sequence_length(lead);
        bool valid = length > 0 && i + length <= text.size();
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next >> 6) == 2;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        i += length;
        if (code == U'\r' && i < text.size() && text[i] == '\n') continue;  // the '\n' breaks
        if (code >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
    }
    if (shown >= text.size()) shown_units = out.size();
    return out;
}

std::string utf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size()) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

}  // namespace

int english_pixels() {
    return static_cast<int>(std::lround(kMessagePoints * kPixelsPerPoint * kEnglishScale));
}

int english_step() {
    return static_cast<int>(std::lround(english_pixels() * kEnglishLineStepEm));
}

std::optional<std::string> english_lines_json(std::string_view text, std::size_t shown,
                                              const MeasureText& measure) {
    std::size_t visible = 0;
    const std::u16string line = utf16(text, shown, visible);
    if (!is_english(line)) return std::nullopt;
    const WrappedLines laid = wrap_english(line, measure, kMessagePlace.width);
    std::vector<std::string> lines;
    std::vector<std::string> breaks;
    std::size_t end = 0;  // of the line before
    for (std::size_t k = 0; k < laid.lines.size() && laid.starts[k] < visible; ++k) {
        const std::size_t start = laid.starts[k];
        if (k > 0) breaks.push_back(utf8(std::u16string_view(line).substr(end, start - end)));
        lines.push_back(utf8(std::u16string_view(laid.lines[k]).substr(0, visible - start)));
        end = start + laid.lines[k].size();
    }
    JsonWriter out;
    out.open('{');
    out.key("size").number(english_pixels()).key("step").number(english_step());
    out.key("indent").number(laid.indent);
    out.key("lines").open('[');
    for (const std::string& part : lines) out.text(part);
    out.close().key("breaks").open('[');
    for (const std::string& part : breaks) out.text(part);
    out.close().close();
    return out.str();
}

}  // namespace hazama
