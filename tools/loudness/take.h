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

// What one channel played: its instrument, the velocities of its notes and the values its
// expression controller took.
struct ChannelUse {
    int program = -1;
    long notes = 0;
    std::set<int> velocities;
    std::set<int> expressions;
};

struct Take {
    std::vector<float> left, right;
    std::size_t seam = 0;  // the first frame of the second pass; 0 for a single pass
    std::array<ChannelUse, kChannels> channels{};

    std::size_t frames() const { return left.size(); }
};

// Which channels sound: all, or one alone (the others' notes are dropped).
struct Solo {
    int channel = -1;  // 0-based; -1 for all
    bool plays(int c) const { return channel < 0 || channel == c; }
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
