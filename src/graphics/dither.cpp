// The ordered-dither dissolve: the step matrix, the pattern strip pictile cut from it, the
// full-size masks and one frame of the dissolve.
#include "graphics/dither.h"

#include <algorithm>
#include <cstring>

#include "graphics/raster.h"

namespace hazama {
namespace {

// Four pixels in one vector register.
using Quad = std::uint32_t __attribute__((vector_size(16)));

}  // namespace

Plane make_pictile() {
    Plane tile(kTileWidth, kTileHeight, kTileGrid);
    for (int j = 0; j <= 16; ++j) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const bool white = j >= 17 - kStepMatrix[y % 4][x % 4];
                tile.row(1 + y)[1 + 9 * j + x] = white ? kWhite : kBlack;
            }
        }
    }
    return tile;
}

void build_mask(Plane& plane, const Plane& tile, int k, int across, int down, int width) {
    bit_blt(plane, 0, 0, 8, 8, tile, tile_cell_x(k), 1);
    for (int i = 0; i < across; ++i) bit_blt(plane, 8 << i, 0, 8 << i, 8, plane, 0, 0);
    for (int i = 0; i < down; ++i) bit_blt(plane, 0, 8 << i, width, 8 << i, plane, 0, 0);
}

void dissolve_frame(Plane& screen, const Plane& incoming, int sx, int sy, const Plane& tile,
                    int k) {
    // The same cut as a block transfer of the stage from `incoming` at (sx, sy) to (0, 0).
    const int x0 = std::max(0, -sx), y0 = std::max(0, -sy);
    const int x1 = std::min({kStageWidth, screen.width, incoming.width - sx});
    const int y1 = std::min({kStageHeight, screen.height, incoming.height - sy});
    if (x0 >= x1 || y0 >= y1) return;
    const int w = x1 - x0;

    // The cell of this step, its columns turned so that entry i belongs to column x0 + i.
    // A cell pixel the strip does not have keeps the screen.
    const int cx = tile_cell_x(k);
    std::array<std::array<std::uint32_t, 8>, 8> keep{};
    for (int r = 0; r < 8; ++r) {
        for (int i = 0; i < 8; ++i) {
            const int tx = cx + (x0 + i) % 8, ty = 1 + r;
            const bool inside = tx >= 0 && tx < tile.width && ty < tile.height;
            keep[r][i] = inside ? tile.at(tx, ty) : kWhite;
        }
    }
    for (int y = y0; y < y1; ++y) {
        const std::uint32_t* m = keep[y % 8].data();
        const std::uint32_t* in = incoming.row(sy + y) + (sx + x0);
        std::uint32_t* out = screen.row(y) + x0;
        int i = 0;
        // Whole cells at a time, four pixels to an operation.
        for (; i + 8 <= w; i += 8) {
            for (int j = 0; j < 8; j += 4) {
                Quad o, n, keep_q;
                std::memcpy(&o, out + i + j, sizeof o);
                std::memcpy(&n, in + i + j, sizeof n);
                std::memcpy(&keep_q, m + j, sizeof keep_q);
                o = (o & keep_q) | (n & ~keep_q & kWhite);
                std::memcpy(out + i + j, &o, sizeof o);
            }
        }
        for (; i < w; ++i) out[i] = (out[i] & m[i % 8]) | (in[i] & ~m[i % 8] & kWhite);
    }
}

}  // namespace hazama
