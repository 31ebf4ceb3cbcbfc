// The length of a MIDI file: ticks and tempo changes read as FluidSynth reads them, and the
// files that are not MIDI, or are cut short, refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "audio/midi_length.h"

namespace hazama {
namespace {

// A file of `tracks` (each the bytes of its events) at 480 ticks a beat.
std::string midi_file(int format, std::initializer_list<std::string> tracks) {
    std::string file = "MThd";
    file += std::string("\0\0\0\x06\0", 5) + static_cast<char>(format);
    file += std::string("\0", 1) + static_cast<char>(tracks.size()) + std::string("\x01\xE0", 2);
    for (const auto& track : tracks) {
        file += "MTrk";
        file += std::string("\0\0", 2) + static_cast<char>(track.size() >> 8) +
                static_cast<char>(track.size() & 0xFF);
        file += track;
    }
    return file;
}

const std::string kEnd("\x00\xFF\x2F\x00", 4);

TEST(MidiLength, TempoChangesAndRunningStatusAcrossTracks) {
    // Track 1: 120 bpm for two beats (1 s), then 60 bpm from tick 960 to 1920 (two beats: 2 s).
    const std::string tempo = std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7) +
                              std::string("\x87\x40\xFF\x51\x03\x0F\x42\x40", 8) +
                              std::string("\x87\x40\xFF\x2F\x00", 5);
    // Track 2: notes with running status and a program change, the last off at tick 1440.
    const std::string notes = std::string("\x00\xC0\x05\x00\x90\x3C\x60\x83\x60\x3C\x00", 11) +
                              std::string("\x87\x40\x80\x3C\x40", 5) + kEnd;
    const auto length = midi_length(midi_file(1, {tempo, notes}));
    ASSERT_TRUE(length);
    EXPECT_EQ(length->ticks, 1920);
    EXPECT_NEAR(length->ms, 3000.0, 1e-6);

    const auto short_one = midi_length(midi_file(0, {notes}));
    ASSERT_TRUE(short_one);
    EXPECT_EQ(short_one->ticks, 1440);
    EXPECT_NEAR(short_one->ms, 1500.0, 1e-6);  // the default 120 beats a minute
}

TEST(MidiLength, RefusesWhatIsNotAWholeMidiFile) {
    EXPECT_FALSE(midi_length(""));
    EXPECT_FALSE(midi_length("this is not a MIDI file"));
    const std::string whole =
        midi_file(0, {std::string("\x00\x90\x3C\x60\x83\x60\x3C\x00", 8) + kEnd});
    ASSERT_TRUE(midi_length(whole));
    for (std::size_t cut : {whole.size() - 1, whole.size() - 6, std::size_t{20}}) {
        EXPECT_FALSE(midi_length(whole.substr(0, cut))) << cut;
    }
    // Data before any status byte, and a quantity longer than four bytes.
    EXPECT_FALSE(midi_length(midi_file(0, {std::string("\x00\x3C\x60", 3) + kEnd})));
    EXPECT_FALSE(midi_length(midi_file(0, {std::string("\xFF\xFF\xFF\xFF\x7F\x90\x3C\x60", 8)})));
    EXPECT_FALSE(midi_length(midi_file(2, {kEnd})));
}

// The game's own pieces, against the lengths the loudness check measures by rendering them
// through FluidSynth (hazama-loudness, TimGM6mb), which notices the end between its render
// blocks and prints a tenth of a second.
TEST(MidiLength, TheGamesPieces) {
    const char* assets = std::getenv("HAZAMA_ASSETS");
    if (assets == nullptr) GTEST_SKIP() << "HAZAMA_ASSETS is not set";
    const std::pair<const char*, double> pieces[] = {
        {"up_mode2", 124.3}, {"s-Cha", 3.6}, {"mind", 81.4}, {"mind+mif", 109.7}};
    for (const auto& [name, seconds] : pieces) {
        std::ifstream in(std::filesystem::path(assets) / "music" / (std::string(name) + ".mid"),
                         std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const auto length = midi_length(bytes);
        ASSERT_TRUE(length) << name;
        EXPECT_NEAR(length->ms / 1000.0, seconds, 0.1) << name;
    }
}

}  // namespace
}  // namespace hazama
