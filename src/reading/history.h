// The history log: the messages shown since the program started, oldest first, with a
// divider wherever a saved game was loaded.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace hazama {

struct HistoryEntry {
    std::string text;  // the message as shown, lines joined by CR LF; empty for a divider
    bool divider = false;
    bool operator==(const HistoryEntry&) const = default;
};

// The speaker's name of a spoken line (the text before 「 on its first line), or empty for
// narration.
std::string_view speaker_of(std::string_view text);

// A message on one line, as the trace writes it: CR LF (or a bare LF) as \n.
std::string one_line(std::string_view text);

class History {
  public:
    static constexpr std::size_t kCapacity = 300;

    void add_message(std::string_view text);
    // A load: later messages belong to another story, so a divider goes between them. Two
    // loads in a row leave one divider, and a log that starts with a load needs none.
    void add_divider();
    // A position restored from the start: the log is played again.
    void clear() { entries_.clear(); }
    void replace(std::deque<HistoryEntry> entries) { entries_ = std::move(entries); }
    const std::deque<HistoryEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

  private:
    void push(HistoryEntry entry);
    std::deque<HistoryEntry> entries_;
};

}  // namespace hazama
