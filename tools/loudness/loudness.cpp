// hazama-loudness: renders every piece of a music folder through the game's synthesizer
// settings, faster than real time, and prints each loop's RMS level and peak. With
// --check it fails when the pieces are not evenly loud.
//
//     hazama-loudness [--check] [--soundfont FILE] MUSIC...   (.mid files or folders)
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/fluid_setup.h"

namespace fs = std::filesystem;

namespace {

// The bounds the music keeps: every loop within this many dB of the loops' median RMS,
// the chime (played once, not looped) within the wider one, and no peak above the ceiling.
constexpr double kLoopSpread = 1.5;
constexpr double kChimeSpread = 3.0;
constexpr double kPeakCeiling = -1.0;
constexpr const char* kChime = "s-Cha";

constexpr int kBlock = 512;  // frames rendered between looks at the player

struct Level {
    std::string name;
    double seconds = 0;
    double rms_db = -INFINITY;
    double peak_db = -INFINITY;
    bool clipped = false;
};

double decibels(double amplitude) {
    return amplitude > 0 ? 20 * std::log10(amplitude) : -INFINITY;
}

// Sums of one stretch of rendered sound.
struct Meter {
    double squares = 0;
    double peak = 0;
    long frames = 0;
    bool clipped = false;

    void add(const std::vector<float>& left, const std::vector<float>& right) {
        for (std::size_t i = 0; i < left.size(); ++i) {
            for (float s : {left[i], right[i]}) {
                squares += double(s) * s;
                peak = std::max(peak, double(std::fabs(s)));
                clipped = clipped || std::fabs(s) >= 1.0f;
            }
        }
        frames += long(left.size());
    }
};

// The game's test for the end of a piece: the player is done or has reached its last tick.
bool ended(fluid_player_t* player) {
    if (fluid_player_get_status(player) == FLUID_PLAYER_DONE) return true;
    const int total = fluid_player_get_total_ticks(player);
    return total > 0 && fluid_player_get_current_tick(player) >= total;
}

// Plays `midi` once from its start as the game does, adding what sounds to `meter`.
bool play_once(fluid_synth_t* synth, const fs::path& midi, Meter& meter) {
    fluid_player_t* player = new_fluid_player(synth);
    if (player == nullptr || fluid_player_add(player, midi.c_str()) != FLUID_OK) {
        if (player != nullptr) delete_fluid_player(player);
        return false;
    }
    fluid_player_play(player);
    std::vector<float> left(kBlock), right(kBlock);
    // Ten minutes of sound at most, should a file never end.
    for (long rendered = 0; !ended(player) && rendered < 44100L * 600; rendered += kBlock) {
        fluid_synth_write_float(synth, kBlock, left.data(), 0, 1, right.data(), 0, 1);
        meter.add(left, right);
    }
    delete_fluid_player(player);
    fluid_synth_all_notes_off(synth, -1);  // as the game's restart does
    return true;
}

// The level of one loop of the piece: it plays twice, back to back as the watcher restarts
// it, and the second pass is measured (the reverb of the first pass's end is in it). The
// peak is taken over both passes.
bool measure(const fs::path& midi, const fs::path& soundfont, Level& level) {
    fluid_settings_t* settings = hazama::new_game_settings();
    fluid_synth_t* synth = settings != nullptr ? new_fluid_synth(settings) : nullptr;
    bool ok = synth != nullptr && fluid_synth_sfload(synth, soundfont.c_str(), 1) != FLUID_FAILED;
    Meter first, second;
    ok = ok && play_once(synth, midi, first) && play_once(synth, midi, second);
    if (synth != nullptr) delete_fluid_synth(synth);
    if (settings != nullptr) delete_fluid_settings(settings);
    if (!ok || second.frames == 0) return false;
    level.seconds = second.frames / 44100.0;
    level.rms_db = decibels(std::sqrt(second.squares / (2.0 * second.frames)));
    level.peak_db = decibels(std::max(first.peak, second.peak));
    level.clipped = first.clipped || second.clipped;
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Prints the table; returns the number of pieces outside the bounds.
int report(const std::vector<Level>& levels) {
    std::vector<double> loops;
    for (const auto& l : levels) {
        if (l.name != kChime) loops.push_back(l.rms_db);
    }
    const double centre = loops.empty() ? 0 : median(loops);
    std::printf("%-10s %8s %8s %8s %8s\n", "piece", "seconds", "RMS dB", "vs med", "peak dB");
    int faults = 0;
    for (const auto& l : levels) {
        const double spread = l.name == kChime ? kChimeSpread : kLoopSpread;
        const double off = l.rms_db - centre;
        std::string why;
        if (std::fabs(off) > spread) why += " level";
        if (l.peak_db > kPeakCeiling) why += " peak";
        if (l.clipped) why += " clips";
        std::printf("%-10s %8.1f %8.2f %+8.2f %8.2f%s\n", l.name.c_str(), l.seconds, l.rms_db, off,
                    l.peak_db, why.empty() ? "" : ("  OUT:" + why).c_str());
        if (!why.empty()) ++faults;
    }
    std::printf("median of the loops %.2f dB; bounds ±%.1f dB (%s ±%.1f dB), peaks <= %.1f dBFS\n",
                centre, kLoopSpread, kChime, kChimeSpread, kPeakCeiling);
    return faults;
}

}  // namespace

int main(int argc, char** argv) {
    bool check = false;
    fs::path soundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    std::vector<fs::path> pieces;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else if (std::strcmp(argv[i], "--soundfont") == 0 && i + 1 < argc) {
            soundfont = argv[++i];
        } else if (fs::is_directory(argv[i])) {
            for (const auto& entry : fs::directory_iterator(argv[i])) {
                if (entry.path().extension() == ".mid") pieces.push_back(entry.path());
            }
        } else {
            pieces.push_back(argv[i]);
        }
    }
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
        if (level != FLUID_PANIC && level != FLUID_ERR)
            fluid_set_log_function(level, nullptr, nullptr);
    }
    std::sort(pieces.begin(), pieces.end());
    if (pieces.empty()) {
        std::fprintf(stderr,
                     "usage: hazama-loudness [--check] [--soundfont FILE] MUSIC...\n"
                     "MUSIC is a .mid file or a folder of them\n");
        return 2;
    }
    std::vector<Level> levels;
    for (const auto& path : pieces) {
        Level level{.name = path.stem().string()};
        if (!measure(path, soundfont, level)) {
            std::fprintf(stderr, "%s: could not be rendered with %s\n", path.c_str(),
                         soundfont.c_str());
            return 2;
        }
        levels.push_back(level);
    }
    const int faults = report(levels);
    return check && faults > 0 ? 1 : 0;
}
