// What the loudness check reads from the notes: the sections between tune marks, the
// longest line without a rest and the consecutives between a chorale's voices and between
// a tune and its bass, on small
// MIDI files written here and played through the game's synthesizer settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "audio/fluid_setup.h"
#include "score.h"
#include "take.h"

namespace hazama::loudness {
namespace {

namespace fs = std::filesystem;

constexpr int kTicks = 480;             // a beat; the tempo is 120, so a beat is half a second
constexpr double kBlockSeconds = 0.02;  // the take notes events once per rendered block

// A one-track MIDI file, written from events placed on beats.
class Midi {
  public:
    void note(int channel, int key, double from, double to) {
        add(from, {std::uint8_t(0x90 | channel), std::uint8_t(key), 90});
        add(to, {std::uint8_t(0x80 | channel), std::uint8_t(key), 0});
    }
    void control(int channel, int control, int value, double beat) {
        add(beat, {std::uint8_t(0xB0 | channel), std::uint8_t(control), std::uint8_t(value)});
    }
    void program(int channel, int program) {
        add(0, {std::uint8_t(0xC0 | channel), std::uint8_t(program)});
    }

    fs::path write(const std::string& name) const {
        std::vector<Event> events = events_;
        // At one tick a note ends before the next begins.
        std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : rank(a) < rank(b);
        });
        std::vector<std::uint8_t> track = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20};
        int now = 0;
        for (const Event& e : events) {
            put_delta(track, e.tick - now);
            now = e.tick;
            track.insert(track.end(), e.bytes.begin(), e.bytes.end());
        }
        track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
        const fs::path file = fs::temp_directory_path() / ("hazama-score-" + name + ".mid");
        std::ofstream out(file, std::ios::binary);
        out.write("MThd\0\0\0\6\0\0\0\1", 12);
        out.put(char(kTicks >> 8)).put(char(kTicks & 0xFF));
        out.write("MTrk", 4);
        for (int shift = 24; shift >= 0; shift -= 8) out.put(char(track.size() >> shift & 0xFF));
        out.write(reinterpret_cast<const char*>(track.data()), std::streamsize(track.size()));
        return file;
    }

  private:
    struct Event {
        int tick;
        std::vector<std::uint8_t> bytes;
    };
    static int rank(const Event& e) {
        const int type = e.bytes[0] & 0xF0;
        return type == 0x80 ? 0 : type == 0x90 ? 2 : 1;
    }
    static void put_delta(std::vector<std::uint8_t>& out, int delta) {
        std::vector<std::uint8_t> bytes = {std::uint8_t(delta & 0x7F)};
        for (delta >>= 7; delta > 0; delta >>= 7)
            bytes.push_back(std::uint8_t(0x80 | (delta & 0x7F)));
        out.insert(out.end(), bytes.rbegin(), bytes.rend());
    }
    void add(double beat, std::vector<std::uint8_t> bytes) {
        events_.push_back({int(beat * kTicks + 0.5), std::move(bytes)});
    }
    std::vector<Event> events_;
};

// The smaller of the game's SoundFonts renders fastest; the notes do not depend on it.
fs::path soundfont() {
    const auto fonts = game_soundfonts("/usr/share/sounds/sf2");
    const auto small = std::find_if(fonts.begin(), fonts.end(), [](const fs::path& f) {
        return f.filename().string().find("TimGM6mb") != std::string::npos;
    });
    return small != fonts.end() ? *small : fonts.empty() ? fs::path() : fonts.front();
}

Take play(const Midi& midi, const std::string& name) {
    Take take;
    const fs::path file = midi.write(name);
    EXPECT_TRUE(render_loop(file, soundfont(), Solo{}, take));
    fs::remove(file);
    return take;
}

double seconds(const Take& take, std::size_t frame) {
    return double(frame - take.seam) / kRate;
}

class Score : public ::testing::Test {
  protected:
    void SetUp() override {
        if (soundfont().empty()) GTEST_SKIP() << "no SoundFont of the game's installed";
    }
};

TEST_F(Score, MarksCutTheLoopIntoSectionsOfWhoCarriesTheTune) {
    Midi midi;
    midi.program(0, 73);
    midi.program(1, 40);
    midi.control(0, kTuneMark, 1, 0);
    for (int k = 0; k < 8; ++k) midi.note(0, 60 + k, k, k + 1);
    // The flute hands the tune to the violin; the violin's mark comes a moment late.
    midi.control(0, kTuneMark, 0, 8);
    midi.control(1, kTuneMark, 1, 8.04);
    for (int k = 0; k < 8; ++k) midi.note(1, 70 + k % 4, 8 + k, 9 + k);
    // Half a second of the flute is too short to measure, and nobody carries the end.
    midi.control(1, kTuneMark, 0, 16);
    midi.control(0, kTuneMark, 1, 16);
    midi.note(0, 50, 16, 17);
    midi.control(0, kTuneMark, 0, 17);
    midi.note(1, 40, 17, 20);
    const Take take = play(midi, "sections");

    const std::vector<Section> parts = sections(take);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].tune, 1u);
    EXPECT_NEAR(seconds(take, parts[0].from), 0.0, kBlockSeconds);
    EXPECT_NEAR(seconds(take, parts[0].to), 4.0, kBlockSeconds);
    EXPECT_EQ(parts[0].low_key, 60);
    EXPECT_EQ(parts[0].high_key, 67);
    EXPECT_EQ(parts[1].tune, 2u);
    EXPECT_EQ(parts[1].from, parts[0].to);  // a hand-over leaves nothing unmeasured
    EXPECT_NEAR(seconds(take, parts[1].to), 8.0, kBlockSeconds);
    EXPECT_EQ(parts[1].low_key, 70);
    EXPECT_EQ(parts[1].high_key, 73);
}

TEST_F(Score, AChannelTakesTheTuneWithItsNextNote) {
    // abc2midi writes a mark that follows rests where the rests begin: the violin's mark
    // comes two beats before its first note, while the flute still plays; the flute's
    // hand-over comes a moment late.
    Midi midi;
    midi.program(0, 73);
    midi.program(1, 40);
    midi.control(0, kTuneMark, 1, 0);
    for (int k = 0; k < 4; ++k) midi.note(0, 72 + k, k, k + 1);
    midi.control(1, kTuneMark, 1, 2);
    midi.control(0, kTuneMark, 0, 4.04);
    for (int k = 0; k < 8; ++k) midi.note(1, 64 + k % 3, 4 + k, 5 + k);
    const Take take = play(midi, "next-note");

    const std::vector<Section> parts = sections(take);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].tune, 1u);
    EXPECT_NEAR(seconds(take, parts[0].to), 2.0, kBlockSeconds);
    EXPECT_EQ(parts[1].tune, 2u);
    EXPECT_EQ(parts[1].from, parts[0].to);
    EXPECT_EQ(parts[1].low_key, 64);
    EXPECT_EQ(parts[1].high_key, 66);
}

TEST_F(Score, ALineRunsUntilARestAndOnOverTheJoin) {
    Midi midi;
    midi.program(0, 73);
    midi.program(1, 48);
    midi.control(0, kTuneMark, 1, 0);
    // Four seconds, with a gap too short to breathe in; a rest; a second and a half; a rest;
    // and three and a half seconds held into the loop's start.
    midi.note(0, 72, 0, 4);
    midi.note(0, 74, 4.3, 8);
    midi.note(0, 76, 9, 12);
    midi.note(0, 77, 13, 20);
    // The strings never carry the tune: their unbroken line does not count.
    midi.note(1, 48, 0, 20);
    const Take take = play(midi, "line");
    const std::vector<Section> parts = sections(take);

    EXPECT_TRUE(breathes(73));
    EXPECT_TRUE(breathes(48));
    EXPECT_FALSE(breathes(0));   // a piano lets its notes die away
    EXPECT_FALSE(breathes(46));  // nor does a harp breathe
    EXPECT_NEAR(longest_line(take, parts, 0, 0.2), 7.5, 2 * kBlockSeconds);
    // Counting the short gap as a rest splits the first line.
    EXPECT_NEAR(longest_line(take, parts, 0, 0.1), 2.0 + 3.5, 2 * kBlockSeconds);
    EXPECT_EQ(longest_line(take, parts, 1, 0.2), 0.0);
}

TEST_F(Score, ConsecutivesAreFoundOnlyInSimilarMotionBetweenVoices) {
    Midi midi;
    const int upper[] = {67, 69, 76, 77, 79, 79};
    const int lower[] = {60, 62, 57, 65, 67, 72};
    for (int c = 0; c < 3; ++c) midi.program(c, 52);
    midi.control(0, kVoiceMark, 1, 0);
    midi.control(1, kVoiceMark, 1, 0);
    for (int k = 0; k < 6; ++k) {
        midi.note(0, upper[k], k, k + 1);
        midi.note(1, lower[k], k, k + 1);
        // An unmarked part doubling the upper voice a fifth below is no voice of the chorale.
        midi.note(2, upper[k] - 7, k, k + 1);
    }
    const Take take = play(midi, "chorale");

    const std::vector<Consecutive> found = consecutives(take);
    ASSERT_EQ(found.size(), 2u);
    // G over C to A over D: fifths. E over A by contrary motion, and the fifth to the
    // octave, pass; G over G after F over F: octaves; the held G is oblique.
    EXPECT_EQ(found[0].upper, 0);
    EXPECT_EQ(found[0].lower, 1);
    EXPECT_EQ(found[0].interval, 7);
    EXPECT_NEAR(found[0].seconds, 0.5, kBlockSeconds);
    EXPECT_EQ(found[1].interval, 0);
    EXPECT_NEAR(found[1].seconds, 2.0, kBlockSeconds);
}

TEST_F(Score, OuterConsecutivesAreBetweenTheTuneAndTheLowestOtherNote) {
    // A flute tune off the beat over a bass played short on it, a pad held above the bass
    // and a kick drum below everything; then two notes on the beat over a bass repeating
    // each of its notes in quavers.
    Midi midi;
    midi.program(0, 73);
    midi.program(1, 32);
    midi.program(2, 48);
    midi.control(0, kTuneMark, 1, 0);
    const int tune[] = {67, 69, 71, 72, 74};
    const int bass[] = {60, 62, 55, 53, 55};
    for (int k = 0; k < 5; ++k) {
        midi.note(0, tune[k], k + 0.5, k + 1.5);
        midi.note(1, bass[k], k, k + 0.25);
        midi.note(9, 35, k, k + 1);
    }
    midi.note(2, 64, 0, 6);
    for (int k = 0; k < 2; ++k) {
        midi.note(0, 72 + 2 * k, 7 + k, 8 + k);
        midi.note(1, 48 + 2 * k, 7 + k, 7.25 + k);
        midi.note(1, 48 + 2 * k, 7.5 + k, 7.75 + k);
    }
    // Last, a tune in octaves, its top note a moment late, rising from D to E while the
    // bass falls.
    for (int k = 0; k < 2; ++k) {
        midi.note(0, 74 + 2 * k, 10 + k, 11 + k);
        midi.note(0, 86 + 2 * k, 10.04 + k, 11 + k);
    }
    midi.note(1, 50, 10, 11);
    midi.note(1, 40, 11, 12);
    const Take take = play(midi, "outer");
    const std::vector<Section> parts = sections(take);

    // G over C to A over D, and C over F to D over G: fifths; B over G comes by contrary
    // motion. The drum is no bass and the pad is not the lowest part. C over C to D over
    // D: octaves, the bass's repeated C no longer heard once it has moved. The octaves
    // spread by a moment are one chord: their top rises against the bass.
    const std::vector<Consecutive> found = outer_consecutives(take, parts, 0.3);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].upper, 0);
    EXPECT_EQ(found[0].lower, 1);
    EXPECT_EQ(found[0].interval, 7);
    EXPECT_NEAR(found[0].seconds, 0.75, kBlockSeconds);
    EXPECT_NEAR(found[1].seconds, 2.25, kBlockSeconds);
    EXPECT_EQ(found[2].interval, 0);
    EXPECT_NEAR(found[2].seconds, 4.0, kBlockSeconds);
    // Heard only as long as it is played, the first bass is gone under the tune's notes
    // and the held pad is the lowest part there.
    const std::vector<Consecutive> short_bass = outer_consecutives(take, parts, 0);
    ASSERT_EQ(short_bass.size(), 1u);
    EXPECT_NEAR(short_bass[0].seconds, 4.0, kBlockSeconds);
}

}  // namespace
}  // namespace hazama::loudness
