// Sections, the length of a line and consecutives, from the notes a take played.
#include "score.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>

namespace hazama::loudness {
namespace {

// Marks closer than this belong to one boundary (channels marking the same beat).
constexpr std::size_t kSameMoment = kRate / 10;
// No section is shorter than a second.
constexpr std::size_t kShortest = kRate;

struct Note {
    std::size_t on = 0, off = 0;
    int key = 0;
    int channel = 0;
};

// The notes of one channel from its events; a note still held at the end ends there.
std::vector<Note> notes_of(const ChannelUse& use, std::size_t end, int channel = 0) {
    std::vector<Note> notes;
    std::map<int, std::size_t> held;  // key -> index into notes
    for (const NoteEvent& e : use.events) {
        const auto it = held.find(e.key);
        if (it != held.end()) {
            notes[it->second].off = e.frame;
            held.erase(it);
        }
        if (e.velocity > 0) {
            held[e.key] = notes.size();
            notes.push_back({e.frame, end, e.key, channel});
        }
    }
    return notes;
}

// The stretches where a channel sounds, joining those less than `gap` frames apart.
std::vector<std::pair<std::size_t, std::size_t>> sounding(const std::vector<Note>& notes,
                                                          std::size_t gap) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    std::vector<Note> sorted = notes;
    std::sort(sorted.begin(), sorted.end(),
              [](const Note& a, const Note& b) { return a.on < b.on; });
    for (const Note& n : sorted) {
        if (!spans.empty() && n.on <= spans.back().second + gap) {
            spans.back().second = std::max(spans.back().second, n.off);
        } else {
            spans.emplace_back(n.on, n.off);
        }
    }
    return spans;
}

// Notes struck this close together are one chord, however a player spreads it.
constexpr std::size_t kOneChord = kRate / 20;

// The note a voice sounds at `frame` (a chord struck there counts whole), or none in a rest:
// of a part that plays chords, its highest or its lowest.
const Note* note_at(const std::vector<Note>& notes, std::size_t frame, bool highest) {
    const Note* found = nullptr;
    for (const Note& n : notes) {
        if (n.on > frame + kOneChord || frame >= n.off) continue;
        if (found == nullptr || (highest ? n.key > found->key : n.key < found->key)) found = &n;
    }
    return found;
}

// A part's notes, each heard on for `linger` frames at least or until the part's next note,
// so a detached bass is heard as a line.
std::vector<Note> lingering(std::vector<Note> notes, std::size_t linger) {
    std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.on < b.on; });
    for (std::size_t k = 0; k < notes.size(); ++k) {
        std::size_t until = notes[k].on + linger;
        const auto next = std::find_if(notes.begin() + long(k), notes.end(),
                                       [&](const Note& n) { return n.on > notes[k].on; });
        if (next != notes.end()) until = std::min(until, next->on);
        notes[k].off = std::max(notes[k].off, until);
    }
    return notes;
}

int sign(int x) {
    return (x > 0) - (x < 0);
}

// Consecutives between an upper and a lower voice over the moments given (sorted): the
// upper voice is the highest note of its notes, the lower the lowest of its own.
void consecutives_between(const std::vector<Note>& upper, const std::vector<Note>& lower,
                          const std::vector<std::size_t>& moments, std::size_t seam,
                          std::vector<Consecutive>& found) {
    for (std::size_t k = 1; k < moments.size(); ++k) {
        const Note* p0 = note_at(upper, moments[k - 1], true);
        const Note* q0 = note_at(lower, moments[k - 1], false);
        const Note* p1 = note_at(upper, moments[k], true);
        const Note* q1 = note_at(lower, moments[k], false);
        if (!p0 || !q0 || !p1 || !q1 || p0->key == p1->key || q0->key == q1->key) continue;
        const int before = std::abs(p0->key - q0->key) % 12;
        const int after = std::abs(p1->key - q1->key) % 12;
        if (before != after || (after != 0 && after != 7)) continue;
        if (sign(p1->key - p0->key) != sign(q1->key - q0->key)) continue;
        const bool in_order = p1->key >= q1->key;
        found.push_back({in_order ? p1->channel : q1->channel, in_order ? q1->channel : p1->channel,
                         (double(moments[k]) - double(seam)) / kRate, after});
    }
}

// When notes begin, a spread chord once, at its first note.
std::vector<std::size_t> onsets(const std::vector<Note>& notes) {
    std::vector<std::size_t> starts, moments;
    for (const Note& n : notes) starts.push_back(n.on);
    std::sort(starts.begin(), starts.end());
    for (std::size_t at : starts) {
        if (moments.empty() || at > moments.back() + kOneChord) moments.push_back(at);
    }
    return moments;
}

}  // namespace

std::vector<Section> sections(const Take& take) {
    struct Owner {
        std::size_t frame;
        int channel, value;
    };
    std::vector<Owner> marks;
    for (int c = 0; c < kChannels; ++c) {
        const ChannelUse& use = take.channels[c];
        for (const Mark& m : use.marks) {
            if (m.control != kTuneMark) continue;
            // abc2midi writes a command that follows rests where the rests begin: a channel
            // takes the tune with its next note (or one it began a moment before).
            std::size_t at = m.frame;
            if (m.value != 0) {
                const auto next =
                    std::find_if(use.events.begin(), use.events.end(), [&m](const NoteEvent& e) {
                        return e.velocity > 0 && e.frame + kSameMoment > m.frame;
                    });
                if (next != use.events.end()) at = next->frame;
            }
            marks.push_back({at, c, m.value});
        }
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const Owner& a, const Owner& b) { return a.frame < b.frame; });
    std::vector<Section> out;
    const std::size_t end = take.frames();
    unsigned tune = 0;
    for (std::size_t i = 0; i < marks.size();) {
        const std::size_t at = marks[i].frame;
        for (; i < marks.size() && marks[i].frame < at + kSameMoment; ++i) {
            if (marks[i].value != 0) {
                tune |= 1u << marks[i].channel;
            } else {
                tune &= ~(1u << marks[i].channel);
            }
        }
        if (!out.empty()) out.back().to = at;
        out.push_back({at, end, tune});
    }
    std::vector<Section> kept;
    for (Section s : out) {
        if (s.tune == 0 || s.to < s.from + kShortest) continue;
        for (int c = 0; c < kChannels; ++c) {
            if ((s.tune >> c & 1u) == 0) continue;
            for (const Note& n : notes_of(take.channels[c], end)) {
                if (n.on >= s.from && n.on < s.to) {
                    s.low_key = std::min(s.low_key, n.key);
                    s.high_key = std::max(s.high_key, n.key);
                }
            }
        }
        if (s.low_key <= s.high_key) kept.push_back(s);
    }
    return kept;
}

bool breathes(int program) {
    return (program >= 40 && program <= 44) || program == 48 || program == 49 ||
           (program >= 52 && program <= 54) || (program >= 56 && program <= 79) || program == 110 ||
           program == 111;
}

double longest_line(const Take& take, const std::vector<Section>& parts, int channel, double rest) {
    const std::size_t gap = std::size_t(rest * kRate);
    auto spans = sounding(notes_of(take.channels[channel], take.frames()), gap);
    if (spans.empty()) return 0;
    // A line held over the join goes on from the end into the start.
    std::size_t carried = 0;
    if (spans.size() > 1 && spans.back().second + gap >= take.frames() &&
        spans.front().first <= take.seam + gap) {
        carried = spans.back().second - spans.back().first;
    }
    const auto carries = [&](std::size_t from, std::size_t to) {
        for (const Section& s : parts) {
            if ((s.tune >> channel & 1u) != 0 && from < s.to && s.from < to) return true;
        }
        return false;
    };
    std::size_t longest = 0;
    for (std::size_t k = 0; k < spans.size(); ++k) {
        if (!carries(spans[k].first, spans[k].second)) continue;
        std::size_t length = spans[k].second - spans[k].first;
        if (k == 0) length += carried;
        if (k + 1 == spans.size() && carried > 0)
            length += spans.front().second - spans.front().first;
        longest = std::max(longest, length);
    }
    return double(longest) / kRate;
}

std::vector<Consecutive> consecutives(const Take& take) {
    std::vector<std::vector<Note>> voices;
    for (int c = 0; c < kChannels; ++c) {
        const auto& marks = take.channels[c].marks;
        if (std::any_of(marks.begin(), marks.end(),
                        [](const Mark& m) { return m.control == kVoiceMark && m.value != 0; }))
            voices.push_back(notes_of(take.channels[c], take.frames(), c));
    }
    std::vector<Consecutive> found;
    for (std::size_t a = 0; a < voices.size(); ++a) {
        for (std::size_t b = a + 1; b < voices.size(); ++b) {
            std::vector<Note> both = voices[a];
            both.insert(both.end(), voices[b].begin(), voices[b].end());
            consecutives_between(voices[a], voices[b], onsets(both), take.seam, found);
        }
    }
    return found;
}

std::vector<Consecutive> outer_consecutives(const Take& take, const std::vector<Section>& parts,
                                            double linger) {
    const std::size_t held = std::size_t(linger * kRate);
    std::array<std::vector<Note>, kChannels> notes;
    for (int c = 0; c < kChannels; ++c) {
        if (c != kDrumChannel)
            notes[c] = lingering(notes_of(take.channels[c], take.frames(), c), held);
    }
    std::vector<Consecutive> found;
    for (const Section& s : parts) {
        std::vector<Note> tune, rest;
        for (int c = 0; c < kChannels; ++c) {
            auto& into = (s.tune >> c & 1u) != 0 ? tune : rest;
            for (const Note& n : notes[c]) {
                if (n.off > s.from && n.on < s.to) into.push_back(n);
            }
        }
        std::vector<std::size_t> moments;
        for (std::size_t at : onsets(tune)) {
            if (at >= s.from && at < s.to) moments.push_back(at);
        }
        consecutives_between(tune, rest, moments, take.seam, found);
    }
    return found;
}

}  // namespace hazama::loudness
