// The special effects: the mirrored stage `reverse` and the falling star `stardust`.
#include "form/main_form.h"
#include "graphics/dither.h"
#include "graphics/raster.h"
#include "graphics/stage.h"

namespace hazama {

void MainForm::reverse() {
    note("reverse");
    // Column by column into plane 3, which keeps the mirrored picture, then back.
    for (int i = 0; i < kStageWidth; ++i) {
        bit_blt(picmain[3], i, 0, 1, kStageHeight, picmain[1], kStageWidth - 1 - i, 0);
    }
    bit_blt(picmain[1], 0, 0, kStageWidth, kStageHeight, picmain[3], 0, 0);
}

void MainForm::stardust() {
    note("stardust");
    constexpr int kDuration = 500;
    constexpr int kPositions = 200;  // one pixel left and one down per 2.5 ms
    constexpr int kStarW = 46, kStarH = 40;
    const std::uint32_t t0 = clock_now();
    load_into(*this, 1, "i09_stas.jpg");
    load_into(*this, 2, "o02_star.jpg");
    Plane& screen = picmain[0];
    Plane& star = picmain[4];
    Plane& mask = picmain[3];

    // Each frame draws the star where the previous frame's position said, so the box lags
    // one frame behind the clock; the first frame uses position 1.
    animate(kDuration, kPositions, {.start = t0, .drawn = 1, .covers = true},
            [&](const AnimationFrame& f) {
                const int k = static_cast<int>(f.elapsed * 16 / kDuration);
                bit_blt(star, 0, 0, kStarW, kStarH, picmain[2], 0, 0);
                bit_blt(screen, 0, 0, kStageWidth, kStageHeight, picmain[1], 0, 0);
                build_mask(mask, pictile, k, 3, 3, kStarW);
                // The star shows where the mask is white, the sky where it is black.
                const int x = 294 - f.previous, y = f.previous + 192;
                bit_blt(screen, x, y, kStarW, kStarH, mask, 0, 0, Rop::SRCPAINT);
                bit_blt(mask, 0, 0, kStarW, kStarH, mask, 0, 0, Rop::NOTSRCCOPY);
                bit_blt(star, 0, 0, kStarW, kStarH, mask, 0, 0, Rop::SRCPAINT);
                bit_blt(screen, x, y, kStarW, kStarH, star, 0, 0, Rop::SRCAND);
            });
    refresh();
}

}  // namespace hazama
