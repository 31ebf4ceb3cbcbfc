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

// One second-order section of a filter (normalised so that a0 = 1), with its state.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    double operator()(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
    static Biquad make(double b0, double b1, double b2, double a0, double a1, double a2) {
        return Biquad{b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
    }
};

constexpr double kPi = 3.14159265358979323846;

Biquad high_pass(double hz, double q) {
    const double w = 2 * kPi * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    return Biquad::make((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad low_pass(double hz, double q) {
    const double w = 2 * kPi * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    return Biquad::make((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

// The K-weighting of loudness measurement: a shelf of +4 dB above 1.7 kHz, and a high
// pass at 38 Hz.
std::vector<Biquad> k_weighting() {
    const double gain = std::pow(10, 3.999843853973347 / 40), q = 0.7071752369554196;
    const double w = 2 * kPi * 1681.974450955533 / kRate, c = std::cos(w);
    const double alpha = std::sin(w) / (2 * q), root = 2 * std::sqrt(gain) * alpha;
    const double a = gain;
    return {Biquad::make(a * ((a + 1) + (a - 1) * c + root), -2 * a * ((a - 1) + (a + 1) * c),
                         a * ((a + 1) + (a - 1) * c - root), (a + 1) - (a - 1) * c + root,
                         2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - root),
            high_pass(38.13547087602444, 0.5003270373238773)};
}

// The power of each 50 ms window of frames [from, to), filtered; the filter starts half
// a second early so that it has settled.
std::vector<double> filtered_windows(const Take& take, std::size_t from, std::size_t to,
                                     const std::vector<Biquad>& filter) {
    std::vector<Biquad> left = filter, right = filter;
    const std::size_t start = from > kAround ? from - kAround : 0;
    std::vector<double> windows;
    double sum = 0;
    for (std::size_t i = start; i < to; ++i) {
        double l = take.left[i], r = take.right[i];
        for (std::size_t k = 0; k < filter.size(); ++k) {
            l = left[k](l);
            r = right[k](r);
        }
        if (i < from) continue;
        sum += l * l + r * r;
        if ((i - from + 1) % kWindow == 0) {
            windows.push_back(sum / (2.0 * kWindow));
            sum = 0;
        }
    }
    return windows;
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

double margin_db(const Take& tune, const Take& rest, std::size_t from, std::size_t to,
                 double low_hz, double high_hz) {
    to = std::min({to, tune.frames(), rest.frames()});
    std::vector<Biquad> filter = k_weighting();
    if (low_hz < high_hz) {
        filter = {high_pass(low_hz, 0.7071), high_pass(low_hz, 0.7071), low_pass(high_hz, 0.7071),
                  low_pass(high_hz, 0.7071)};
    }
    const std::vector<double> mine = filtered_windows(tune, from, to, filter);
    const std::vector<double> others = filtered_windows(rest, from, to, filter);
    if (mine.empty()) return -INFINITY;
    const double loudest = *std::max_element(mine.begin(), mine.end());
    double m = 0, o = 0;
    for (std::size_t k = 0; k < mine.size() && k < others.size(); ++k) {
        if (mine[k] < loudest / 100) continue;
        m += mine[k];
        o += others[k];
    }
    if (m <= 0) return -INFINITY;
    return o > 0 ? 10 * std::log10(m / o) : INFINITY;
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
