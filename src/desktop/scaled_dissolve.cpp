// The dissolve at full screen (scaled_dissolve.h).
#include "desktop/scaled_dissolve.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "graphics/dither.h"
#include "platform/qt_picture_decoder.h"

namespace hazama {
namespace {

// Where each of `source` pixels' blocks starts in `scaled`, one more for the end.
std::vector<int> block_edges(int source, int scaled) {
    std::vector<int> edges(static_cast<std::size_t>(source) + 1);
    for (int i = 0; i <= source; ++i)
        edges[i] = static_cast<int>(static_cast<std::int64_t>(i) * scaled / source);
    return edges;
}

// out := in where mask is all ones, else out; a whole scaled row. The first loop runs a
// multiple of eight times over unaliased rows, so that the compiler vectorises it.
void select_row(std::uint32_t* __restrict out, const std::uint32_t* __restrict in,
                const std::uint32_t* __restrict mask, int width) {
    const std::size_t whole = static_cast<std::size_t>(width) & ~std::size_t{7};
    for (std::size_t i = 0; i < whole; ++i) out[i] = (in[i] & mask[i]) | (out[i] & ~mask[i]);
    for (std::size_t i = whole; i < static_cast<std::size_t>(width); ++i)
        out[i] = mask[i] != 0 ? in[i] : out[i];
}

int step_of(int x, int y) {
    return kStepMatrix[y % 4][x % 4];
}

}  // namespace

QImage scaled_plane(const Plane& plane, QSize size) {
    QImage out(size, QImage::Format_RGB32);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(), size), plane_image(plane));
    return out;
}

ScaledDissolve::ScaledDissolve(const Plane& old, const Plane& incoming, QSize size)
    : incoming_(incoming),
      target_(scaled_plane(incoming, size)),
      picture_(scaled_plane(old, size)),
      state_(incoming.pixels.size(), kOld),
      columns_(block_edges(incoming.width, size.width())),
      rows_(block_edges(incoming.height, size.height())),
      mask_(static_cast<std::size_t>(size.width())) {
    // A pixel the same in both pictures has nothing to dissolve: its block shows the
    // incoming scaling at once (they differ only by what the neighbours blend in).
    for (int y = 0; y < incoming.height; ++y) {
        const std::uint32_t* was = old.row(y);
        const std::uint32_t* now = incoming.row(y);
        State* state = state_.data() + static_cast<std::size_t>(y) * incoming.width;
        for (int x = 0; x < incoming.width; ++x) {
            if (was[x] == now[x]) state[x] = kTurning;
        }
        turn_blocks(y, kTurning, kTurned);
    }
    left_ = static_cast<int>(std::count(state_.begin(), state_.end(), kOld));
    prepare_next();
}

std::optional<QRegion> ScaledDissolve::follow(const Plane& plane, const Plane& shown) {
    if (plane.width != incoming_.width || plane.height != incoming_.height ||
        shown.pixels.size() != plane.pixels.size())
        return std::nullopt;
    std::vector<QRect> changed;  // bands from top to bottom, as a region is made of
    for (int y = 0; y < plane.height; ++y) {
        const std::uint32_t* now = plane.row(y);
        const std::uint32_t* was = shown.row(y);
        // An unchanged row is as it was at the last refresh, and so was that one.
        if (std::memcmp(now, was, static_cast<std::size_t>(plane.width) * 4) == 0) continue;
        if (done()) return std::nullopt;
        const std::uint32_t* incoming = incoming_.row(y);
        State* state = state_.data() + static_cast<std::size_t>(y) * plane.width;
        int turning = 0;
        for (int x = 0; x < plane.width; ++x) {
            if (now[x] != incoming[x]) {
                // Still old. A block turned ahead belongs to a step no later than this
                // frame's, and is drawn with its row: its pixel must have turned too.
                if (state[x] != kOld || now[x] != was[x]) return std::nullopt;
                continue;
            }
            if (state[x] == kTurned) continue;
            step_ = std::max(step_, step_of(x, y));
            ++turning;
            state[x] = state[x] == kOld ? kTurning : kTurned;
        }
        if (turning == 0) continue;
        left_ -= turning;
        turn_blocks(y, kTurning, kTurned);
        const QRect band(0, rows_[y], picture_.width(), rows_[y + 1] - rows_[y]);
        if (!changed.empty() && changed.back().bottom() + 1 == band.top())
            changed.back().setBottom(band.bottom());
        else
            changed.push_back(band);
    }
    QRegion region;
    region.setRects(changed.data(), static_cast<int>(changed.size()));
    return region;
}

void ScaledDissolve::prepare_next() {
    if (done() || step_ >= 16) return;
    const int next = step_ + 1;
    for (int y = 0; y < incoming_.height; ++y) {
        State* state = state_.data() + static_cast<std::size_t>(y) * incoming_.width;
        bool any = false;
        for (int x = 0; x < incoming_.width; ++x) {
            if (state[x] == kOld && step_of(x, y) == next) {
                state[x] = kTurning;
                any = true;
            }
        }
        if (any) turn_blocks(y, kTurning, kAhead);
    }
}

void ScaledDissolve::turn_blocks(int y, State from, State to) {
    State* state = state_.data() + static_cast<std::size_t>(y) * incoming_.width;
    if (std::find(state, state + incoming_.width, from) == state + incoming_.width) return;
    for (int x = 0; x < incoming_.width; ++x) {
        const bool turning = state[x] == from;
        if (turning) state[x] = to;
        std::fill(mask_.begin() + columns_[x], mask_.begin() + columns_[x + 1], turning ? ~0u : 0u);
    }
    for (int row = rows_[y]; row < rows_[y + 1]; ++row) {
        select_row(reinterpret_cast<std::uint32_t*>(picture_.scanLine(row)),
                   reinterpret_cast<const std::uint32_t*>(target_.constScanLine(row)), mask_.data(),
                   picture_.width());
    }
}

}  // namespace hazama
