// The CPU cost of the dissolve: one frame at 512 x 384, and a whole fade(1000, 0) run in
// virtual time (15 frames, the final copy and the scratch planes).
#include <benchmark/benchmark.h>

#include "audio/recording_media_device.h"
#include "form/main_form.h"
#include "graphics/dither.h"
#include "graphics/raster.h"
#include "platform/virtual_platform.h"

namespace hazama {
namespace {

Plane gradient(int w, int h, std::uint32_t seed) {
    Plane p(w, h);
    for (std::size_t i = 0; i < p.pixels.size(); ++i) {
        p.pixels[i] = static_cast<std::uint32_t>(i * 2654435761u + seed) & 0xFFFFFF;
    }
    return p;
}

void BM_DissolveFrame(benchmark::State& state) {
    const Plane tile = make_pictile();
    const Plane incoming = gradient(512, 384, 1);
    Plane screen = gradient(512, 384, 2);
    int k = 1;
    for (auto _ : state) {
        dissolve_frame(screen, incoming, 0, 0, tile, k);
        benchmark::DoNotOptimize(screen.pixels.data());
        k = k % 15 + 1;
    }
}
BENCHMARK(BM_DissolveFrame)->Unit(benchmark::kMicrosecond);

// The same frame as the window system would make it, transfer by transfer, for comparison.
void BM_DissolveFrameByTransfers(benchmark::State& state) {
    const Plane tile = make_pictile();
    const Plane incoming = gradient(512, 384, 1);
    Plane screen = gradient(512, 384, 2), aside(512, 384), mask(512, 384);
    int k = 1;
    for (auto _ : state) {
        bit_blt(aside, 0, 0, 512, 384, incoming, 0, 0);
        build_mask(mask, tile, k);
        bit_blt(screen, 0, 0, 512, 384, mask, 0, 0, Rop::SRCAND);
        bit_blt(mask, 0, 0, 512, 384, mask, 0, 0, Rop::NOTSRCCOPY);
        bit_blt(aside, 0, 0, 512, 384, mask, 0, 0, Rop::SRCAND);
        bit_blt(screen, 0, 0, 512, 384, aside, 0, 0, Rop::SRCPAINT);
        benchmark::DoNotOptimize(screen.pixels.data());
        k = k % 15 + 1;
    }
}
BENCHMARK(BM_DissolveFrameByTransfers)->Unit(benchmark::kMicrosecond);

void BM_WholeFade(benchmark::State& state) {
    RecordingMediaDevice device;
    VirtualPlatform platform(device);
    MainForm form(platform, "/nonexistent");
    for (Plane& p : form.picmain) p.resize(512, 384);
    const Plane first = gradient(512, 384, 3), second = gradient(512, 384, 4);
    bool flip = false;
    for (auto _ : state) {
        form.picmain[1] = flip ? first : second;
        flip = !flip;
        form.fade(1000, 0);
        benchmark::DoNotOptimize(form.picmain[0].pixels.data());
    }
}
BENCHMARK(BM_WholeFade)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hazama
