// Loudness, peak, mono fold-down and the loop's join.
#include "measures.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace hazama::loudness {
namespace {

constexpr std::size_t kWindow = kRate / 20;  // 50 ms
constexpr std::size_t kAround = kRate / 2;   // half a second
constexpr std::size_t kJoin = kRate / 500;   // 2 ms
// The join may turn no more sharply than the music does at its sharpest moments, the top
// thousandth of its frames. Cutting off what sounds at the join turns more sharply than
// that wherever it would be heard.
constexpr double kSharpRank = 0.999;

double power(const Take& take, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) {
        sum += double(take.left[i]) * take.left[i] + double(take.right[i]) * take.right[i];
    }
    return to > from ? sum / (2.0 * double(to - from)) : 0;
}

// How sharply the wave turns at each frame of [from, to): the larger second difference of
// the two sides. A click is a sudden turn.
std::vector<float> turns(const Take& take, std::size_t from, std::size_t to) {
    std::vector<float> out;
    for (std::size_t i = std::max<std::size_t>(from, 2); i < to; ++i) {
        const auto turn = [i](const std::vector<float>& x) {
            return std::fabs(x[i] - 2 * x[i - 1] + x[i - 2]);
        };
        out.push_back(std::max(turn(take.left), turn(take.right)));
    }
    return out;
}

}  // namespace

double decibels(double amplitude) {
    return amplitude > 0 ? 20 * std::log10(amplitude) : -INFINITY;
}

double rms_db(const Take& take, std::size_t from, std::size_t to) {
    return decibels(std::sqrt(power(take, from, to)));
}

double peak_db(const Take& take, std::size_t from, std::size_t to, bool& clipped) {
    float peak = 0;
    for (std::size_t i = from; i < to; ++i) {
        peak = std::max({peak, std::fabs(take.left[i]), std::fabs(take.right[i])});
    }
    clipped = peak >= 1.0f;
    return decibels(peak);
}

double mono_loss_db(const Take& take, std::size_t from, std::size_t to) {
    double mono = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double m = (double(take.left[i]) + take.right[i]) / 2;
        mono += m * m;
    }
    const double stereo = power(take, from, to);
    if (stereo <= 0) return 0;
    return mono <= 0 ? INFINITY : 10 * std::log10(stereo * double(to - from) / mono);
}

double share_db(const Take& track, const Take& mix) {
    const std::size_t from = track.seam, to = std::min(track.frames(), mix.frames());
    std::vector<double> windows;
    for (std::size_t w = from; w + kWindow <= to; w += kWindow) {
        windows.push_back(power(track, w, w + kWindow));
    }
    if (windows.empty()) return -INFINITY;
    const double loudest = *std::max_element(windows.begin(), windows.end());
    double mine = 0, all = 0;
    for (std::size_t k = 0; k < windows.size(); ++k) {
        if (windows[k] < loudest / 100) continue;
        const std::size_t w = from + k * kWindow;
        mine += windows[k];
        all += power(mix, w, w + kWindow);
    }
    return mine > 0 && all > 0 ? 10 * std::log10(mine / all) : -INFINITY;
}

Seam measure_seam(const Take& take) {
    Seam seam;
    const std::size_t end = take.frames();
    const std::size_t at = take.seam;
    if (at < kAround || end < at + kAround) return seam;
    const double loop = power(take, at, end);
    double quietest = INFINITY;
    for (std::size_t w = at - kAround; w + kWindow <= at + kAround; w += kWindow / 5) {
        quietest = std::min(quietest, power(take, w, w + kWindow));
    }
    seam.dip_db = quietest > 0 && loop > 0 ? 10 * std::log10(quietest / loop) : -INFINITY;
    const std::vector<float> join = turns(take, at - kJoin, at + kJoin);
    std::vector<float> elsewhere = turns(take, 0, at - kJoin);
    const std::vector<float> after = turns(take, at + kJoin, end);
    elsewhere.insert(elsewhere.end(), after.begin(), after.end());
    const auto rank = elsewhere.begin() + std::ptrdiff_t(kSharpRank * double(elsewhere.size()));
    std::nth_element(elsewhere.begin(), rank, elsewhere.end());
    const double sharp = *std::max_element(join.begin(), join.end());
    seam.turn_ratio = *rank > 0 ? sharp / *rank : INFINITY;
    return seam;
}

}  // namespace hazama::loudness
