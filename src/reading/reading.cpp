// The reading policy: when a waiting line releases itself, and what it leaves behind.
#include "reading/reading.h"

namespace hazama {
namespace {

struct Pace {
    std::uint32_t base;
    std::uint32_t per_character;
};

constexpr Pace pace(AutoSpeed speed) {
    switch (speed) {
        case AutoSpeed::slow:
            return {2250, 120};
        case AutoSpeed::fast:
            return {1000, 50};
        case AutoSpeed::normal:
            break;
    }
    return {1500, 80};
}

// Characters as the reader sees them: UTF-8 sequences, line breaks left out.
std::uint32_t characters(std::string_view text) {
    std::uint32_t count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80 && c != '\r' && c != '\n') ++count;
    }
    return count;
}

}  // namespace

std::uint32_t auto_delay(std::string_view text, AutoSpeed speed) {
    const Pace p = pace(speed);
    return p.base + p.per_character * characters(text);
}

void Reading::shown(std::string_view text, std::uint32_t now) {
    if (replaying_) {
        history_.add_message(text);
        line_ = std::string(text);
        return;
    }
    line_was_read_ = record_.contains(text);
    record_.mark(text, now);
    record_.save_if_due(now);
    history_.add_message(text);
    line_ = std::string(text);
}

bool Reading::ctrl_skips(std::uint32_t now) const {
    return ctrl_held_ && ctrl_wait(now) == 0;
}

std::uint32_t Reading::ctrl_wait(std::uint32_t now) const {
    if (!ctrl_held_ || !ctrl_pressed_at_) return 0;
    const std::uint32_t held_for = now - *ctrl_pressed_at_;
    return held_for >= kCtrlChordMs ? 0 : kCtrlChordMs - held_for;
}

bool Reading::would_skip(std::uint32_t now) const {
    if (replaying_) return true;
    if (held()) return false;
    if (ctrl_skips(now)) return true;
    return skip_on_ && (line_was_read_ || skip_mode_ == SkipMode::all);
}

bool Reading::skips_line(bool& stopped, std::uint32_t now) {
    stopped = false;
    if (would_skip(now)) return true;
    if (held() || !skip_on_ || ctrl_held_) return false;
    skip_on_ = false;
    stopped = true;
    return false;
}

std::uint32_t Reading::auto_delay_now() const {
    if (!auto_on_ || held()) return 0;
    return auto_delay(line_, auto_speed_);
}

}  // namespace hazama
