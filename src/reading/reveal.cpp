// Letter-by-letter display (reveal.h).
#include "reading/reveal.h"

#include <algorithm>

namespace hazama {

std::uint32_t reveal_interval(TextSpeed speed) {
    switch (speed) {
        case TextSpeed::slow:
            return 80;
        case TextSpeed::normal:
            return 40;
        case TextSpeed::fast:
            return 20;
        case TextSpeed::instant:
            break;
    }
    return 0;
}

Reveal::Reveal(std::string_view text, TextSpeed speed) : interval_(reveal_interval(speed)) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' || c == '\n') continue;
        // A character ends where the next lead byte (or the text) begins.
        std::size_t end = i + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
        ends_.push_back(end);
        i = end - 1;
    }
}

std::size_t Reveal::shown_at(std::uint32_t elapsed) const {
    if (interval_ == 0) return count();
    return std::min<std::size_t>(count(), elapsed / interval_ + 1);
}

std::uint32_t Reveal::time_of(std::size_t characters) const {
    if (characters <= 1) return 0;
    return static_cast<std::uint32_t>(characters - 1) * interval_;
}

std::size_t Reveal::bytes(std::size_t characters) const {
    if (characters == 0 || ends_.empty()) return 0;
    return ends_[std::min(characters, count()) - 1];
}

}  // namespace hazama
