// Block transfers and the dither strip: clipping at every edge, copies within one plane,
// the stretching copy, the strip's cells and the one-pass dissolve frame.
#include <gtest/gtest.h>

#include "graphics/dither.h"
#include "graphics/raster.h"
#include "graphics_fixture.h"

namespace hazama {
namespace {

using testing::numbered;

// The window system's rule pixel by pixel: a pixel is combined only when both its
// destination and its source lie inside their planes; the source is read as it was before.
Plane pixel_by_pixel(Plane dst, int dx, int dy, int w, int h, const Plane& src, int sx, int sy,
                     Rop rop) {
    const Plane before = src;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const int x = dx + i, y = dy + j, u = sx + i, v = sy + j;
            if (x < 0 || y < 0 || x >= dst.width || y >= dst.height) continue;
            if (u < 0 || v < 0 || u >= before.width || v >= before.height) continue;
            std::uint32_t& d = dst.row(y)[x];
            const std::uint32_t s = before.at(u, v);
            switch (rop) {
                case Rop::SRCCOPY:
                    d = s;
                    break;
                case Rop::SRCAND:
                    d &= s;
                    break;
                case Rop::NOTSRCCOPY:
                    d = ~s & 0xFFFFFF;
                    break;
                case Rop::SRCPAINT:
                    d |= s;
                    break;
            }
        }
    }
    return dst;
}

struct Rect {
    int dx, dy, w, h, sx, sy;
};

// Rectangles running past each edge of the destination (20 x 12) and of the source (16 x 10).
const Rect kRects[] = {
    {2, 3, 5, 4, 1, 1},   {17, 2, 8, 3, 0, 0},      {1, 10, 4, 6, 0, 0},    {-3, 2, 6, 3, 0, 0},
    {2, -4, 3, 7, 0, 0},  {0, 0, 10, 3, 12, 0},     {0, 0, 3, 10, 0, 8},    {4, 4, 6, 6, -2, -3},
    {-2, 1, 8, 4, -3, 0}, {-5, -5, 40, 40, -1, -2}, {25, 0, 4, 4, 0, 0},    {0, 0, 4, 4, 16, 0},
    {0, 0, 0, 5, 0, 0},   {0, 0, -3, 5, 0, 0},      {3, 3, 4, 4, -10, -10},
};
const Rop kRops[] = {Rop::SRCCOPY, Rop::SRCAND, Rop::NOTSRCCOPY, Rop::SRCPAINT};

TEST(Raster, EveryOperationIsCutAtEveryEdge) {
    const Plane src = numbered(16, 10, 3);
    const Plane dst = numbered(20, 12, 9);
    for (Rop rop : kRops) {
        for (const Rect& r : kRects) {
            Plane got = dst;
            bit_blt(got, r.dx, r.dy, r.w, r.h, src, r.sx, r.sy, rop);
            const Plane want = pixel_by_pixel(dst, r.dx, r.dy, r.w, r.h, src, r.sx, r.sy, rop);
            EXPECT_EQ(got.pixels, want.pixels)
                << "rop " << std::hex << static_cast<std::uint32_t>(rop) << std::dec << " rect "
                << r.dx << "," << r.dy << " " << r.w << "x" << r.h << " from " << r.sx << ","
                << r.sy;
        }
    }

    // A cut source keeps every pixel in its place: (0,0) receives source (2,3).
    Plane got = dst;
    bit_blt(got, -2, -3, 5, 5, src, 0, 0);
    EXPECT_EQ(got.at(0, 0), src.at(2, 3));
    EXPECT_EQ(got.at(3, 0), dst.at(3, 0));
    // NOT leaves no stray top byte: black inverts to exactly white.
    Plane black(4, 4, 0), out(4, 4, 0x123456);
    bit_blt(out, 0, 0, 4, 4, black, 0, 0, Rop::NOTSRCCOPY);
    EXPECT_EQ(out.at(3, 3), 0xFFFFFFu);
}

TEST(Raster, CopiesWithinOnePlaneReadTheSourceAsItWas) {
    const Plane start = numbered(20, 12, 5);
    const Rect overlapping[] = {
        {1, 0, 10, 5, 0, 0}, {0, 0, 10, 5, 1, 0},  {0, 1, 6, 8, 0, 0},
        {0, 0, 6, 8, 0, 1},  {3, 2, 9, 7, 1, 1},   {1, 1, 9, 7, 3, 2},
        {-1, 0, 8, 8, 0, 0}, {5, 5, 20, 20, 4, 4}, {2, 2, 5, 5, 2, 2},
    };
    for (Rop rop : kRops) {
        for (const Rect& r : overlapping) {
            Plane got = start;
            bit_blt(got, r.dx, r.dy, r.w, r.h, got, r.sx, r.sy, rop);
            const Plane want = pixel_by_pixel(start, r.dx, r.dy, r.w, r.h, start, r.sx, r.sy, rop);
            EXPECT_EQ(got.pixels, want.pixels)
                << "rop " << std::hex << static_cast<std::uint32_t>(rop) << std::dec << " rect "
                << r.dx << "," << r.dy << " from " << r.sx << "," << r.sy;
        }
    }
}

TEST(Raster, FilledBoxesAreCut) {
    const Rect boxes[] = {
        {-3, -3, 5, 5, 0, 0}, {18, 10, 9, 9, 0, 0}, {4, -2, 3, 30, 0, 0}, {-1, 0, 0, 4, 0, 0}};
    for (const Rect& b : boxes) {
        Plane got = numbered(20, 12);
        fill_box(got, b.dx, b.dy, b.w, b.h, 0xABCDEF);
        Plane paint(std::max(b.w, 1), std::max(b.h, 1), 0xABCDEF);
        const Plane want =
            pixel_by_pixel(numbered(20, 12), b.dx, b.dy, b.w, b.h, paint, 0, 0, Rop::SRCCOPY);
        EXPECT_EQ(got.pixels, want.pixels) << b.dx << "," << b.dy << " " << b.w << "x" << b.h;
    }
}

// A source pixel that names its own column and row (up to 2047 x 2047).
Plane coordinates(int w, int h) {
    Plane p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) p.row(y)[x] = static_cast<std::uint32_t>(y << 11 | x);
    }
    return p;
}
int column_of(std::uint32_t px) {
    return static_cast<int>(px & 0x7FF);
}
int row_of(std::uint32_t px) {
    return static_cast<int>(px >> 11);
}

TEST(Raster, StretchingPicksTheNearestPixelAndIsCut) {
    const Plane panorama = coordinates(1280, 960);

    // The closing zoom: the whole panorama onto the screen, each screen pixel taken from
    // within the 2.5 x 2.5 source pixels it covers, left to right and top to bottom.
    Plane screen(512, 384, 0xFFFFFF);
    stretch_blt(screen, 0, 0, 512, 384, panorama, 0, 0, 1280, 960);
    for (int y = 0; y < 384; ++y) {
        for (int x = 0; x < 512; ++x) {
            const std::uint32_t px = screen.at(x, y);
            ASSERT_GE(column_of(px) * 2, x * 5);
            ASSERT_LT(column_of(px) * 2, (x + 1) * 5);
            ASSERT_GE(row_of(px) * 2, y * 5);
            ASSERT_LT(row_of(px) * 2, (y + 1) * 5);
        }
    }

    // The same size is a plain copy; twice the size repeats each pixel in a 2 x 2 block.
    Plane same(512, 384), plain(512, 384);
    stretch_blt(same, 0, 0, 512, 384, panorama, 300, 400, 512, 384);
    bit_blt(plain, 0, 0, 512, 384, panorama, 300, 400);
    EXPECT_EQ(same.pixels, plain.pixels);
    Plane big(40, 40);
    stretch_blt(big, 0, 0, 40, 40, panorama, 7, 9, 20, 20);
    EXPECT_EQ(big.at(0, 0), panorama.at(7, 9));
    EXPECT_EQ(big.at(1, 1), panorama.at(7, 9));
    EXPECT_EQ(big.at(39, 38), panorama.at(26, 28));

    // Cut at the destination's edges: what lands inside matches the uncut picture.
    Plane wide(700, 600, 0);
    stretch_blt(wide, 100, 100, 512, 384, panorama, 0, 0, 1280, 960);
    Plane cut(300, 200, 0);
    stretch_blt(cut, -150, -120, 512, 384, panorama, 0, 0, 1280, 960);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) ASSERT_EQ(cut.at(x, y), wide.at(x + 250, y + 220));
    }
    Plane tail(300, 200, 7);
    stretch_blt(tail, 200, 150, 512, 384, panorama, 0, 0, 1280, 960);
    EXPECT_EQ(tail.at(199, 149), 7u);
    EXPECT_EQ(tail.at(299, 199), wide.at(199, 149));

    // Pixels whose source lies outside the source plane stay as they were.
    Plane half(20, 10, 7);
    stretch_blt(half, 0, 0, 20, 10, panorama, -10, 0, 20, 10);
    EXPECT_EQ(half.at(9, 5), 7u);
    EXPECT_EQ(half.at(10, 5), panorama.at(0, 5));
}

TEST(Dither, TheStripHoldsSeventeenNestedCells) {
    const Plane tile = make_pictile();
    ASSERT_EQ(tile.width, 154);
    ASSERT_EQ(tile.height, 10);
    for (int x = 0; x < 154; ++x) {
        EXPECT_EQ(tile.at(x, 0), kTileGrid);
        EXPECT_EQ(tile.at(x, 9), kTileGrid);
    }
    for (int j = 0; j <= 17; ++j) {
        for (int y = 0; y < 10; ++y) EXPECT_EQ(tile.at(9 * j, y), kTileGrid);
    }
    auto white = [&](int j, int x, int y) { return tile.at(1 + 9 * j + x, 1 + y) == kWhite; };
    for (int j = 0; j <= 16; ++j) {
        for (int by = 0; by < 8; by += 4) {
            for (int bx = 0; bx < 8; bx += 4) {
                int count = 0;
                for (int y = 0; y < 4; ++y) {
                    for (int x = 0; x < 4; ++x) {
                        const std::uint32_t px = tile.at(1 + 9 * j + bx + x, 1 + by + y);
                        ASSERT_TRUE(px == kWhite || px == kBlack);
                        count += px == kWhite;
                        if (j < 16 && white(j, bx + x, by + y)) {
                            EXPECT_TRUE(white(j + 1, bx + x, by + y)) << "cell " << j;
                        }
                    }
                }
                EXPECT_EQ(count, j) << "cell " << j;
            }
        }
    }
    // White keeps the old picture: the first dissolve step (cell 15) lets only (0,0) of each
    // block through, the last (cell 1) holds back only (2,1).
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(white(15, x, y), !(x % 4 == 0 && y % 4 == 0));
            EXPECT_EQ(white(1, x, y), x % 4 == 2 && y % 4 == 1);
        }
    }
}

TEST(Dither, DoublingCoversTheAskedAreaWithTheCell) {
    const Plane tile = make_pictile();
    Plane mask(512, 384, 0x123456);
    build_mask(mask, tile, 6);
    for (int y = 0; y < 384; ++y) {
        for (int x = 0; x < 512; ++x) {
            ASSERT_EQ(mask.at(x, y), tile.at(tile_cell_x(6) + x % 8, 1 + y % 8)) << x << "," << y;
        }
    }
    // The star's mask: 64 columns of the first 8 rows, then 46 columns down to row 63.
    Plane corner(512, 384, 0x123456);
    build_mask(corner, tile, 0, 3, 3, 46);
    EXPECT_EQ(corner.at(63, 7), kWhite);
    EXPECT_EQ(corner.at(45, 63), kWhite);
    EXPECT_EQ(corner.at(64, 0), 0x123456u);
    EXPECT_EQ(corner.at(46, 8), 0x123456u);
    EXPECT_EQ(corner.at(0, 64), 0x123456u);
}

// The dissolve's transfers one by one: copy the new picture aside, build the mask, AND the
// screen with it, invert it, AND the new picture with the inverse, OR both together.
void four_transfers(Plane& screen, const Plane& incoming, int sx, int sy, const Plane& tile,
                    int k) {
    Plane aside(512, 384), mask(512, 384);
    bit_blt(aside, 0, 0, 512, 384, incoming, sx, sy);
    build_mask(mask, tile, k);
    bit_blt(screen, 0, 0, 512, 384, mask, 0, 0, Rop::SRCAND);
    bit_blt(mask, 0, 0, 512, 384, mask, 0, 0, Rop::NOTSRCCOPY);
    bit_blt(aside, 0, 0, 512, 384, mask, 0, 0, Rop::SRCAND);
    bit_blt(screen, 0, 0, 512, 384, aside, 0, 0, Rop::SRCPAINT);
}

TEST(Dither, OneFrameInOnePassEqualsTheTransfers) {
    const Plane tile = make_pictile();
    const Plane incoming = numbered(512, 384, 2);
    const Plane panorama = coordinates(1280, 960);
    for (int k : {0, 1, 7, 15}) {
        Plane fast = numbered(512, 384, 11), slow = fast;
        dissolve_frame(fast, incoming, 0, 0, tile, k);
        four_transfers(slow, incoming, 0, 0, tile, k);
        EXPECT_EQ(fast.pixels, slow.pixels) << "step " << k;

        Plane from_panorama = numbered(512, 384, 11), by_hand = from_panorama;
        dissolve_frame(from_panorama, panorama, 768, 575, tile, k);
        four_transfers(by_hand, panorama, 768, 575, tile, k);
        EXPECT_EQ(from_panorama.pixels, by_hand.pixels) << "step " << k;
    }
}

}  // namespace
}  // namespace hazama
