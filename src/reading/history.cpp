// The history log and how a message names its speaker.
#include "reading/history.h"

namespace hazama {

std::string_view speaker_of(std::string_view text) {
    const std::string_view first = text.substr(0, text.find('\r'));
    const auto bracket = first.find("「");
    if (bracket == std::string_view::npos || bracket == 0) return {};
    return first.substr(0, bracket);
}

std::string one_line(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else if (text[i] == '\n') {
            out += "\\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

void History::add_message(std::string_view text) {
    push({std::string(text), false});
}

void History::add_divider() {
    if (entries_.empty() || entries_.back().divider) return;
    push({{}, true});
}

void History::push(HistoryEntry entry) {
    entries_.push_back(std::move(entry));
    while (entries_.size() > kCapacity) entries_.pop_front();
}

}  // namespace hazama
