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
};

// The notes of one channel from its events; a note still held at the end ends there.
std::vector<Note> notes_of(const ChannelUse& use, std::size_t end) {
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
            notes.push_back({e.frame, end, e.key});
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

// The key a voice sounds at `frame`, or -1 in a rest.
int key_at(const std::vector<Note>& notes, std::size_t frame) {
    int key = -1;
    for (const Note& n : notes) {
        if (n.on <= frame && frame < n.off) key = n.key;
    }
    return key;
}

int sign(int x) {
    return (x > 0) - (x < 0);
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
    std::vector<int> voices;
    std::array<std::vector<Note>, kChannels> notes;
    for (int c = 0; c < kChannels; ++c) {
        const auto& marks = take.channels[c].marks;
        if (std::any_of(marks.begin(), marks.end(),
                        [](const Mark& m) { return m.control == kVoiceMark && m.value != 0; })) {
            voices.push_back(c);
            notes[c] = notes_of(take.channels[c], take.frames());
        }
    }
    std::vector<Consecutive> found;
    for (std::size_t a = 0; a < voices.size(); ++a) {
        for (std::size_t b = a + 1; b < voices.size(); ++b) {
            const auto& p = notes[voices[a]];
            const auto& q = notes[voices[b]];
            std::vector<std::size_t> moments;
            for (const Note& n : p) moments.push_back(n.on);
            for (const Note& n : q) moments.push_back(n.on);
            std::sort(moments.begin(), moments.end());
            moments.erase(std::unique(moments.begin(), moments.end()), moments.end());
            for (std::size_t k = 1; k < moments.size(); ++k) {
                const int p0 = key_at(p, moments[k - 1]), q0 = key_at(q, moments[k - 1]);
                const int p1 = key_at(p, moments[k]), q1 = key_at(q, moments[k]);
                if (p0 < 0 || q0 < 0 || p1 < 0 || q1 < 0 || p0 == p1 || q0 == q1) continue;
                const int before = std::abs(p0 - q0) % 12, after = std::abs(p1 - q1) % 12;
                if (before != after || (after != 0 && after != 7)) continue;
                if (sign(p1 - p0) != sign(q1 - q0)) continue;
                const bool a_above = p1 >= q1;
                found.push_back({a_above ? voices[a] : voices[b], a_above ? voices[b] : voices[a],
                                 double(moments[k] - take.seam) / kRate, after});
            }
        }
    }
    return found;
}

}  // namespace hazama::loudness
