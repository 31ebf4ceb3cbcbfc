// The music name as a save file holds it: narrowing and the single-byte code page.
#include "save/save_name.h"

#include <cstdint>
#include <vector>

namespace hazama {
namespace {

// The half-width katakana: one byte each in the Japanese code page (0xA1..0xDF), the rest of
// its single bytes being ASCII. Every other character takes two bytes there or none, so the
// table is all a name of one byte a character needs, on any system's C library.
constexpr char32_t kFirstHalfWidthKana = 0xFF61;
constexpr char32_t kLastHalfWidthKana = 0xFF9F;
constexpr unsigned char kFirstKanaByte = 0xA1;
constexpr unsigned char kLastKanaByte = 0xDF;

// The code points of well-formed UTF-8 (no overlong forms, surrogates or values past the
// last plane); nothing for anything else.
std::optional<std::vector<char32_t>> decode_utf8(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xE  ? 3
                           : (lead >> 3) == 0x1E ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size()) return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        out.push_back(c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

}  // namespace

std::optional<std::string> name_to_bytes(std::string_view utf8) {
    const auto characters = decode_utf8(utf8);
    if (!characters) return std::nullopt;
    std::string bytes;
    for (char32_t c : *characters) {
        if (c >= 0xFF01 && c <= 0xFF5E) c = c - 0xFF01 + 0x21;  // full-width ASCII forms
        if (c == 0x3000) c = U' ';                              // the ideographic space
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c >= kFirstHalfWidthKana && c <= kLastHalfWidthKana) {
            bytes += static_cast<char>(kFirstKanaByte + (c - kFirstHalfWidthKana));
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

std::optional<std::string> name_from_bytes(std::string_view bytes) {
    std::string utf8;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            utf8 += ch;
        } else if (b >= kFirstKanaByte && b <= kLastKanaByte) {
            // U+FF61..U+FF9F in UTF-8: EF BD A1 .. EF BD BF, EF BE 80 .. EF BE 9F.
            const char32_t c = kFirstHalfWidthKana + (b - kFirstKanaByte);
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            return std::nullopt;
        }
    }
    return utf8;
}

}  // namespace hazama
