// hazama-loudness: renders every piece of a music folder through the game's synthesizer
// settings, faster than real time, with each SoundFont the game may choose, and prints each
// loop's level, peak, mono fold-down and join. With --check it fails when a piece is out of
// bounds; --tracks adds each track's level played alone; --wav writes the loops out (the
// chime once, with its pause).
//
//     hazama-loudness [--check] [--tracks] [--wav DIR] [--soundfont FILE]...
//                     [--soundfonts DIR] MUSIC...   (.mid files or folders)
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/fluid_setup.h"
#include "measures.h"
#include "score.h"
#include "take.h"

namespace fs = std::filesystem;
using namespace hazama::loudness;

namespace {

// The bounds the music keeps: every loop within this many dB of the loops' median RMS,
// the chime (played once, not looped) within the wider one; no peak above the ceiling;
// folded to mono no more than this much quieter; a join with no gap and no click.
constexpr double kLoopSpread = 1.5;
constexpr double kChimeSpread = 3.0;
constexpr double kPeakCeiling = -1.0;
constexpr double kMonoLoss = 3.0;
constexpr double kSeamDip = -24.0;
constexpr double kSeamTurn = 1.0;
// The chime rings in a pause of five seconds and must have died away by its end.
constexpr const char* kChime = "s-Cha";
constexpr double kChimePause = 5.0;
constexpr double kChimeTail = -50.0;
// A melodic track that plays more than a handful of notes plays more than a handful of
// velocities, or shapes its expression.
constexpr std::size_t kHandful = 5;
// Wherever it plays, the tune stands this far above the sum of the other tracks, K-weighted
// and in its own band, and the SoundFonts agree on that within the second bound.
constexpr double kTuneMargin = 3.0;
constexpr double kFontsAgree = 6.0;
// A wind, voice or bowed tune rests (for this long at least) within this many seconds.
constexpr double kRest = 0.2;
constexpr double kLongestLine = 12.0;
// Between the tune and the bass, a bass note played short is heard on for this long.
constexpr double kBassLinger = 0.3;

// How the tune stands over the rest in one section.
struct Margin {
    Section section;
    double from_s = 0, to_s = 0;  // from the loop's start
    double k_db = 0;              // K-weighted
    double band_db = 0;           // in the tune's own band
};

// A channel's longest line without a rest.
struct Line {
    int channel = 0;
    double seconds = 0;
};

struct Level {
    std::string name;
    double seconds = 0;
    double rms_db = -INFINITY;
    double peak_db = -INFINITY;
    bool clipped = false;
    double mono_loss = 0;
    Seam seam;
    double tail_db = -INFINITY;  // the chime: its peak in the last 100 ms of the pause
    std::vector<int> flat;       // melodic channels (1-based) played without nuance
    std::vector<Margin> margins;
    std::vector<Line> lines;  // of the tune's channels that breathe
    std::vector<Consecutive> consecutives;
    std::vector<Consecutive> outer;     // between the tune and the bass
    std::vector<std::size_t> disagree;  // sections whose margin the SoundFonts disagree on
};

double hertz(double key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12);
}

// The tune's margin in each section, the lines that must breathe and the chorale's
// consecutives.
bool measure_tune(const fs::path& midi, const fs::path& soundfont, const Take& take, Level& level) {
    const std::vector<Section> parts = sections(take);
    std::vector<std::pair<unsigned, std::pair<Take, Take>>> solos;
    for (const Section& s : parts) {
        auto it = std::find_if(solos.begin(), solos.end(),
                               [&s](const auto& solo) { return solo.first == s.tune; });
        if (it == solos.end()) {
            solos.emplace_back(s.tune, std::pair<Take, Take>{});
            it = solos.end() - 1;
            if (!render_loop(midi, soundfont, Solo{s.tune}, it->second.first) ||
                !render_loop(midi, soundfont, Solo{s.tune}.others(), it->second.second))
                return false;
        }
        const Take& tune = it->second.first;
        const Take& rest = it->second.second;
        const double low = hertz(s.low_key - 2), high = hertz(s.high_key + 2);
        level.margins.push_back(
            {s, double(s.from - take.seam) / kRate, double(s.to - take.seam) / kRate,
             margin_db(tune, rest, s.from, s.to), margin_db(tune, rest, s.from, s.to, low, high)});
    }
    for (int c = 0; c < kChannels; ++c) {
        const bool carries = std::any_of(parts.begin(), parts.end(),
                                         [c](const Section& s) { return (s.tune >> c & 1u) != 0; });
        if (carries && breathes(take.channels[c].program))
            level.lines.push_back({c, longest_line(take, parts, c, kRest)});
    }
    level.consecutives = consecutives(take);
    level.outer = outer_consecutives(take, parts, kBassLinger);
    return true;
}

bool is_chime(const fs::path& midi) {
    return midi.stem() == kChime;
}

bool measure(const fs::path& midi, const fs::path& soundfont, const fs::path& wav_dir,
             Level& level) {
    const bool chime = is_chime(midi);
    Take take;
    if (!render_loop(midi, soundfont, Solo{}, take)) return false;
    const std::size_t from = take.seam, to = take.frames();
    level.seconds = double(to - from) / kRate;
    level.rms_db = rms_db(take, from, to);
    level.peak_db = peak_db(take, 0, to, level.clipped);
    level.mono_loss = mono_loss_db(take, from, to);
    for (int c = 0; c < kChannels; ++c) {
        const ChannelUse& use = take.channels[c];
        if (c != kDrumChannel && use.notes > long(kHandful) && use.velocities.size() <= kHandful &&
            use.expressions.size() <= kHandful)
            level.flat.push_back(c + 1);
    }
    if (!chime && !measure_tune(midi, soundfont, take, level)) return false;
    Take once;
    if (chime) {
        if (!render_once(midi, soundfont, kChimePause, once)) return false;
        bool clipped = false;
        level.tail_db = peak_db(once, once.frames() - kRate / 10, once.frames(), clipped);
    } else {
        level.seam = measure_seam(take);
    }
    if (!wav_dir.empty()) {
        fs::create_directories(wav_dir);
        // The chime as the player hears it: played once and left to ring through its pause.
        const fs::path wav = wav_dir / (level.name + ".wav");
        if (chime)
            write_wav(wav, once, 0, once.frames());
        else
            write_wav(wav, take, from, to);
    }
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string why_out(const Level& l, double centre) {
    const bool chime = l.name == kChime;
    std::string why;
    if (std::fabs(l.rms_db - centre) > (chime ? kChimeSpread : kLoopSpread)) why += " level";
    if (l.peak_db > kPeakCeiling || l.clipped) why += " peak";
    if (l.mono_loss > kMonoLoss) why += " mono";
    if (!chime && l.seam.dip_db < kSeamDip) why += " gap";
    if (!chime && l.seam.turn_ratio > kSeamTurn) why += " click";
    if (chime && l.tail_db > kChimeTail) why += " rings-on";
    for (int c : l.flat) why += " flat-ch" + std::to_string(c);
    for (const Margin& m : l.margins) {
        if (m.k_db < kTuneMargin || m.band_db < kTuneMargin) {
            why += " buried";
            break;
        }
    }
    if (!l.disagree.empty()) why += " fonts-disagree";
    for (const Line& line : l.lines) {
        if (line.seconds > kLongestLine) why += " no-breath-ch" + std::to_string(line.channel + 1);
    }
    if (!l.consecutives.empty()) why += " consecutives";
    if (!l.outer.empty()) why += " outer-consecutives";
    return why;
}

std::string channels(unsigned mask) {
    std::string out;
    for (int c = 0; c < kChannels; ++c) {
        if ((mask >> c & 1u) != 0) out += (out.empty() ? "ch" : "+") + std::to_string(c + 1);
    }
    return out;
}

void print_consecutive(const std::string& piece, const char* which, const Consecutive& c) {
    std::printf("  %-10s%s consecutive %s between ch%d and ch%d at %.1f s\n", piece.c_str(), which,
                c.interval == 7 ? "fifths" : "octaves", c.upper + 1, c.lower + 1, c.seconds);
}

// Each section's tune margin, the longest lines and any consecutives of one piece.
void print_tune(const Level& l) {
    for (std::size_t k = 0; k < l.margins.size(); ++k) {
        const Margin& m = l.margins[k];
        const bool agree = std::find(l.disagree.begin(), l.disagree.end(), k) == l.disagree.end();
        std::printf(
            "  %-10s %5.1f-%5.1f s %-8s tune over the rest %+6.1f dB K, %+6.1f dB in band%s\n",
            l.name.c_str(), m.from_s, m.to_s, channels(m.section.tune).c_str(), m.k_db, m.band_db,
            agree ? "" : "  (the SoundFonts disagree)");
    }
    for (const Line& line : l.lines) {
        std::printf("  %-10s ch%-2d longest line without a rest %.1f s\n", l.name.c_str(),
                    line.channel + 1, line.seconds);
    }
    for (const Consecutive& c : l.consecutives) print_consecutive(l.name, "", c);
    for (const Consecutive& c : l.outer) print_consecutive(l.name, " outer", c);
}

// Prints the table of one SoundFont; returns the number of pieces outside the bounds.
int report(const fs::path& soundfont, const std::vector<Level>& levels) {
    std::vector<double> loops;
    for (const auto& l : levels) {
        if (l.name != kChime) loops.push_back(l.rms_db);
    }
    const double centre = loops.empty() ? 0 : median(loops);
    std::printf("%s\n%-10s %7s %7s %7s %7s %6s %7s %6s\n", soundfont.filename().c_str(), "piece",
                "seconds", "RMS dB", "vs med", "peak dB", "mono", "join dB", "turn");
    int faults = 0;
    for (const auto& l : levels) {
        const std::string why = why_out(l, centre);
        std::printf("%-10s %7.1f %7.2f %+7.2f %7.2f %6.2f ", l.name.c_str(), l.seconds, l.rms_db,
                    l.rms_db - centre, l.peak_db, l.mono_loss);
        if (l.name == kChime) {
            std::printf("%s %.1f s: %.1f dBFS", "rings", kChimePause, l.tail_db);
        } else {
            std::printf("%7.1f %6.2f", l.seam.dip_db, l.seam.turn_ratio);
        }
        std::printf("%s\n", why.empty() ? "" : ("  OUT:" + why).c_str());
        if (!why.empty()) ++faults;
    }
    for (const auto& l : levels) print_tune(l);
    std::printf(
        "median of the loops %.2f dB; bounds ±%.1f dB (%s ±%.1f dB), peaks <= %.1f dBFS, "
        "mono loss <= %.1f dB, join dip >= %.0f dB, turn <= %.1f, chime <= %.0f dBFS at %.0f s\n\n",
        centre, kLoopSpread, kChime, kChimeSpread, kPeakCeiling, kMonoLoss, kSeamDip, kSeamTurn,
        kChimeTail, kChimePause);
    return faults;
}

// Each track of the piece played alone: its level, how loud it is in the mix while it
// sounds, and what folding it to mono costs.
bool print_tracks(const fs::path& midi, const fs::path& soundfont) {
    Take all;
    if (!render_loop(midi, soundfont, Solo{}, all)) return false;
    for (int c = 0; c < kChannels; ++c) {
        if (all.channels[c].notes == 0) continue;
        Take alone;
        if (!render_loop(midi, soundfont, Solo::only(c), alone)) return false;
        const ChannelUse& use = all.channels[c];
        std::printf(
            "  %-10s ch%-2d prog %3d %7.2f dB  in the mix %6.2f dB  mono %5.2f dB  %2zu velocities "
            "%2zu expressions\n",
            midi.stem().c_str(), c + 1, use.program, rms_db(alone, alone.seam, alone.frames()),
            share_db(alone, all), mono_loss_db(alone, alone.seam, alone.frames()),
            use.velocities.size(), use.expressions.size());
    }
    return true;
}

// Notes the sections whose tune margin two SoundFonts put more than the bound apart.
void mark_disagreements(std::vector<std::vector<Level>>& tables) {
    for (std::size_t p = 0; !tables.empty() && p < tables[0].size(); ++p) {
        for (std::size_t f = 1; f < tables.size(); ++f) {
            Level& a = tables[0][p];
            Level& b = tables[f][p];
            for (std::size_t k = 0; k < a.margins.size() && k < b.margins.size(); ++k) {
                if (std::fabs(a.margins[k].k_db - b.margins[k].k_db) <= kFontsAgree) continue;
                a.disagree.push_back(k);
                b.disagree.push_back(k);
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    bool check = false, tracks = false;
    fs::path wav_dir;
    std::vector<fs::path> fonts, pieces;
    for (int i = 1; i < argc; ++i) {
        const bool has_value = i + 1 < argc;
        if (std::strcmp(argv[i], "--check") == 0) {
            check = true;
        } else if (std::strcmp(argv[i], "--tracks") == 0) {
            tracks = true;
        } else if (std::strcmp(argv[i], "--wav") == 0 && has_value) {
            wav_dir = argv[++i];
        } else if (std::strcmp(argv[i], "--soundfont") == 0 && has_value) {
            fonts.push_back(argv[++i]);
        } else if (std::strcmp(argv[i], "--soundfonts") == 0 && has_value) {
            for (const auto& font : hazama::game_soundfonts(argv[++i])) fonts.push_back(font);
        } else if (fs::is_directory(argv[i])) {
            for (const auto& entry : fs::directory_iterator(argv[i])) {
                if (entry.path().extension() == ".mid") pieces.push_back(entry.path());
            }
        } else {
            pieces.push_back(argv[i]);
        }
    }
    if (fonts.empty()) fonts = hazama::game_soundfonts("/usr/share/sounds/sf2");
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
        if (level != FLUID_PANIC && level != FLUID_ERR)
            fluid_set_log_function(level, nullptr, nullptr);
    }
    std::sort(pieces.begin(), pieces.end());
    if (pieces.empty() || fonts.empty()) {
        std::fprintf(
            stderr,
            "usage: hazama-loudness [--check] [--tracks] [--wav DIR] [--soundfont FILE]... "
            "[--soundfonts DIR] MUSIC...\nMUSIC is a .mid file or a folder of them; "
            "without a SoundFont, those of /usr/share/sounds/sf2 the game may use\n");
        return 2;
    }
    std::vector<std::vector<Level>> tables;
    for (const auto& font : fonts) {
        std::vector<Level>& levels = tables.emplace_back();
        for (const auto& path : pieces) {
            Level level;
            level.name = path.stem().string();
            const fs::path wavs = wav_dir.empty() ? wav_dir : wav_dir / font.stem();
            if (!measure(path, font, wavs, level) || (tracks && !print_tracks(path, font))) {
                std::fprintf(stderr, "%s: could not be rendered with %s\n", path.c_str(),
                             font.c_str());
                return 2;
            }
            levels.push_back(level);
        }
    }
    mark_disagreements(tables);
    int faults = 0;
    for (std::size_t f = 0; f < fonts.size(); ++f) faults += report(fonts[f], tables[f]);
    return check && faults > 0 ? 1 : 0;
}
