// The ordered-dither dissolve: the step matrix, the pattern strip pictile cut from it, the
// full-size masks and one frame of the dissolve.
#pragma once

#include <array>
#include <cstdint>

#include "graphics/plane.h"
#include "graphics/stage.h"

namespace hazama {

// S[y mod 4][x mod 4]: the dissolve step (1..16) at which that pixel of every 4 x 4 block
// turns to the new picture.
inline constexpr std::array<std::array<int, 4>, 4> kStepMatrix{{
    {1, 10, 4, 11},
    {14, 5, 16, 8},
    {3, 12, 2, 9},
    {15, 7, 13, 6},
}};

inline constexpr int kTileWidth = 154;
inline constexpr int kTileHeight = 10;
inline constexpr std::uint32_t kTileGrid = 0x1C1C1C;  // the dark grey lines between cells

// The strip of 17 dither cells of 8 x 8 inside a one-pixel grid; cell j (top-left at
// x = 1 + 9j, y = 1) has j white pixels in every 4 x 4 block.
Plane make_pictile();

// x of the cell that dissolve step k (0..15) cuts from the strip: cell 16 - k, which keeps
// the old picture only where the step matrix says a pixel has not turned yet.
constexpr int tile_cell_x(int k) {
    return 146 - (9 * k + 1);
}

// Builds the mask of dissolve step k in the top-left of `plane` the way the dissolve does:
// the cell copied to (0,0), doubled `across` times to the right (8 rows high), then doubled
// `down` times downwards over `width` columns. Seven and six doublings over the stage's
// width cover the whole picture area.
void build_mask(Plane& plane, const Plane& tile, int k, int across = 7, int down = 6,
                int width = kStageWidth);

// One frame of the dissolve at step k, in a single pass: over the stage's picture area
// (cut to both planes), screen := (screen AND mask) OR (incoming AND NOT mask), where the
// mask repeats the cell of step k and `incoming` is read from (sx, sy). Leaves the scratch
// planes of the step-by-step transfers untouched.
void dissolve_frame(Plane& screen, const Plane& incoming, int sx, int sy, const Plane& tile, int k);

}  // namespace hazama
