// The full-screen dissolve: one frame made the way the window makes it at 1920 × 1080 and
// at 3840 × 2160 (the turned blocks confirmed, the rows to show found, the next step's
// blocks turned ahead), beside the smooth scaling of the whole picture each frame would
// cost without it.
#include <benchmark/benchmark.h>

#include <QImage>

#include "desktop/scaled_dissolve.h"
#include "graphics/dither.h"

namespace hazama {
namespace {

Plane gradient(std::uint32_t seed) {
    Plane p(512, 384);
    for (std::size_t i = 0; i < p.pixels.size(); ++i)
        p.pixels[i] = static_cast<std::uint32_t>(i * 2654435761u + seed) & 0xFFFFFF;
    return p;
}

// The picture's size at full screen on a screen `height` pixels high.
QSize picture_at(int height) {
    const double factor = height / 463.0;
    return QSize(static_cast<int>(512 * factor + 0.5), static_cast<int>(384 * factor + 0.5));
}

// Every iteration is one whole dissolve of 15 frames and the final one; the figure per
// frame is the time divided by 16. Making the dissolve (two scalings) is not timed.
void BM_ScaledDissolveFrames(benchmark::State& state) {
    const QSize size = picture_at(static_cast<int>(state.range(0)));
    const Plane tile = make_pictile();
    const Plane old = gradient(1), incoming = gradient(2);
    for (auto _ : state) {
        state.PauseTiming();
        Plane plane = old;
        ScaledDissolve dissolve(plane, incoming, size);
        state.ResumeTiming();
        for (int k = 1; k <= 16; ++k) {
            const Plane shown = plane;
            if (k < 16)
                dissolve_frame(plane, incoming, 0, 0, tile, k);
            else
                plane = incoming;
            benchmark::DoNotOptimize(dissolve.follow(plane, shown));
            dissolve.prepare_next();
        }
    }
    state.SetItemsProcessed(state.iterations() * 16);
}
BENCHMARK(BM_ScaledDissolveFrames)->Arg(1080)->Arg(2160)->Unit(benchmark::kMillisecond);

void BM_SmoothScalingOfTheWholePicture(benchmark::State& state) {
    const QSize size = picture_at(static_cast<int>(state.range(0)));
    const Plane plane = gradient(1);
    for (auto _ : state) benchmark::DoNotOptimize(scaled_plane(plane, size));
}
BENCHMARK(BM_SmoothScalingOfTheWholePicture)->Arg(1080)->Arg(2160)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hazama
