// What the notes themselves show, read from what each channel played in the second pass of
// a take: the sections and who carries the tune in each, how long a line goes without a
// rest, and consecutive fifths and octaves between a chorale's voices and between the
// outer voices of every piece.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "take.h"

namespace hazama::loudness {

// A stretch of the loop between two tune marks, with the channels that carry the tune
// there (bit c for channel c) and the range of the keys they play.
struct Section {
    std::size_t from = 0, to = 0;
    unsigned tune = 0;
    int low_key = 127, high_key = 0;
};
std::vector<Section> sections(const Take& take);

// Whether a melody on this instrument needs a player's breath or a bow's change: wind,
// voice and bowed strings.
bool breathes(int program);

// The longest stretch, in seconds, that a channel sounds without a rest of at least
// `rest` seconds, across the loop's join too; only stretches that overlap a section in
// which the channel carries the tune count.
double longest_line(const Take& take, const std::vector<Section>& parts, int channel, double rest);

// Two voices moving in the same direction from one perfect fifth (or twelfth) to another,
// or from one octave (or unison) to another.
struct Consecutive {
    int upper = 0, lower = 0;  // channels, 0-based
    double seconds = 0;        // where the second interval sounds, from the loop's start
    int interval = 0;          // 7 or 0, modulo the octave
};
// Between every two channels marked as voices of a chorale.
std::vector<Consecutive> consecutives(const Take& take);
// Between the tune and the bass, in every section: the tune's highest note against the
// lowest note of the other parts (not the drums), at each note of the tune. A bass note
// counts for `linger` seconds at least, however short it is played.
std::vector<Consecutive> outer_consecutives(const Take& take, const std::vector<Section>& parts,
                                            double linger);

}  // namespace hazama::loudness
