// One rendering of a piece through the game's synthesizer settings, with what each MIDI
// channel played on the way.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <set>
#include <vector>

namespace hazama::loudness {

constexpr int kRate = 44100;
constexpr int kChannels = 16;
constexpr int kDrumChannel = 9;  // MIDI channel 10

// A note beginning (velocity > 0) or ending (velocity 0), at a frame of the take.
struct NoteEvent {
    std::size_t frame = 0;
    int key = 0;
    int velocity = 0;
};

// A score's own mark, sent as a general-purpose controller the synthesizer ignores:
// controller 16 non-zero from where a channel carries the tune, 0 where it hands it on
// (every mark starts a new section); controller 17 non-zero names a voice of a chorale.
constexpr int kTuneMark = 16;
constexpr int kVoiceMark = 17;
struct Mark {
    std::size_t frame = 0;
    int control = 0;
    int value = 0;
};

// What one channel played: its instrument, the velocities of its notes, the values its
// expression controller took, and when each note began and ended.
struct ChannelUse {
    int program = -1;
    long notes = 0;
    std::set<int> velocities;
    std::set<int> expressions;
    std::vector<NoteEvent> events;
    std::vector<Mark> marks;
};

struct Take {
    std::vector<float> left, right;
    std::size_t seam = 0;  // the first frame of the second pass; 0 for a single pass
    std::array<ChannelUse, kChannels> channels{};

    std::size_t frames() const { return left.size(); }
};

// Which channels sound (the others' notes are dropped): bit c for channel c (0-based).
struct Solo {
    unsigned channels = 0xFFFF;
    static Solo only(int c) { return Solo{1u << c}; }
    Solo others() const { return Solo{~channels & 0xFFFFu}; }
    bool plays(int c) const { return (channels >> c & 1u) != 0; }
};

// Plays the piece twice, back to back, as the game's loop watcher restarts it.
bool render_loop(const std::filesystem::path& midi, const std::filesystem::path& soundfont,
                 Solo solo, Take& take);

// Plays the piece once from its start and renders `seconds` of sound, as a piece the
// watcher does not restart keeps ringing after its end.
bool render_once(const std::filesystem::path& midi, const std::filesystem::path& soundfont,
                 double seconds, Take& take);

// Writes frames [from, to) of the take as a 32-bit float stereo WAV file.
bool write_wav(const std::filesystem::path& file, const Take& take, std::size_t from,
               std::size_t to);

}  // namespace hazama::loudness
