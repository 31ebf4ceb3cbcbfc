// What the music is measured by: loudness, peak, what folding to mono costs, and how the
// end of a loop joins its start.
#pragma once

#include <cstddef>

#include "take.h"

namespace hazama::loudness {

double decibels(double amplitude);

// RMS level of frames [from, to) over both sides, in dB of full scale.
double rms_db(const Take& take, std::size_t from, std::size_t to);

// The highest sample of frames [from, to), in dBFS; `clipped` when any reaches full scale.
double peak_db(const Take& take, std::size_t from, std::size_t to, bool& clipped);

// How much quieter frames [from, to) are folded to one channel ((L + R) / 2) than in
// stereo, in dB: 0 for a centred sound, 3 for one side alone or for unrelated sides, more
// when the sides cancel.
double mono_loss_db(const Take& take, std::size_t from, std::size_t to);

// How loud one track (played alone) is against the whole mix while it sounds, in dB:
// the windows of 50 ms where the track is within 20 dB of its loudest are compared. A
// melody well under 0 dB is covered; a doubling far below is not heard at all.
double share_db(const Take& track, const Take& mix);

// How far the tune stands above the rest of the music during frames [from, to), in dB:
// the power of the two takes compared over the 50 ms windows where the tune sounds (within
// 20 dB of its loudest there). Both are K-weighted, as loudness is measured, or, when
// `low_hz` < `high_hz`, passed through that band alone, so that what lies outside the
// tune's own register (a bass, a cymbal) does not decide it.
double margin_db(const Take& tune, const Take& rest, std::size_t from, std::size_t to,
                 double low_hz = 0, double high_hz = 0);

// The join of a loop's end with its start.
struct Seam {
    // The quietest 50 ms within half a second either side of the join, in dB against the
    // loop's RMS: a gap makes it very low.
    double dip_db = 0;
    // The sharpest turn of the wave at the join (its second difference) against the
    // sharpest turns of the music elsewhere: a click (sound cut off, or started at full
    // swing) makes it larger than 1.
    double turn_ratio = 0;
};
Seam measure_seam(const Take& take);

}  // namespace hazama::loudness
