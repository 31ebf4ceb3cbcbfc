// Block transfers and the dither strip: clipping at every edge, copies within one plane,
// the stretching copy, the strip's cells and the one-pass dissolve frame.
#include <gtest/gtest.h>

#include "graphics/dither.h"
#include "graphics/raster.h"
#include "graphics_fixture.h"

namespace hazama {
namespace {

using testing::numbered;

// The window system's rule pixel by pixel: a pixel is combined only when its destination
// and its source both lie inside their planes; the source is read as it was before.
Plane pixel_by_pixel(Plane dst, int dx, int dy, int w, int h, const Plane& src_now, int sx, int sy,
                     Rop rop) {
    const Plane src = src_now;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const int x = dx + i, y = dy + j, u = sx + i, v = sy + j;
            if (x < 0 || y < 0 || x >= dst.width || y >= dst.height || u < 0 || v < 0 ||
                u >= src.width || v >= src.height)
                continue;
            std::uint32_t& d = dst.row(y)[x];
            const std::uint32_t s = src.at(u, v);
            d = rop == Rop::SRCCOPY    ? s
                : rop == Rop::SRCAND   ? d & s
                : rop == Rop::SRCPAINT ? d | s
                                       : ~s & 0xFFFFFF;
        }
    }
    return dst;
}

TEST(Raster, EveryOperationIsCutAtEveryEdgeAndReadsItsOwnPlaneAsItWas) {
    // Past each edge of the destination (20 x 12) and of the source (16 x 10), negative and
    // empty sizes, and wholly outside.
    const int rects[][6] = {
        {2, 3, 5, 4, 1, 1},   {17, 2, 8, 3, 0, 0},  {1, 10, 4, 6, 0, 0},      {-3, 2, 6, 3, 0, 0},
        {2, -4, 3, 7, 0, 0},  {0, 0, 10, 3, 12, 0}, {0, 0, 3, 10, 0, 8},      {4, 4, 6, 6, -2, -3},
        {-2, 1, 8, 4, -3, 0}, {25, 0, 4, 4, 0, 0},  {-5, -5, 40, 40, -1, -2}, {0, 0, 4, 4, 16, 0},
        {0, 0, 0, 5, 0, 0},   {0, 0, -3, 5, 0, 0},  {1, 0, 10, 5, 0, 0},      {0, 0, 10, 5, 1, 0},
        {0, 1, 6, 8, 0, 0},   {0, 0, 6, 8, 0, 1},   {3, 2, 9, 7, 1, 1},       {1, 1, 9, 7, 3, 2},
        {2, 2, 5, 5, 2, 2},
    };
    const Plane src = numbered(16, 10, 3), dst = numbered(20, 12, 9);
    for (Rop rop : {Rop::SRCCOPY, Rop::SRCAND, Rop::NOTSRCCOPY, Rop::SRCPAINT}) {
        for (const auto& r : rects) {
            Plane got = dst;
            bit_blt(got, r[0], r[1], r[2], r[3], src, r[4], r[5], rop);
            EXPECT_EQ(got.pixels,
                      pixel_by_pixel(dst, r[0], r[1], r[2], r[3], src, r[4], r[5], rop).pixels)
                << static_cast<std::uint32_t>(rop) << " at " << r[0] << "," << r[1] << " from "
                << r[4] << "," << r[5];
            Plane self = dst;
            bit_blt(self, r[0], r[1], r[2], r[3], self, r[4], r[5], rop);
            EXPECT_EQ(self.pixels,
                      pixel_by_pixel(dst, r[0], r[1], r[2], r[3], dst, r[4], r[5], rop).pixels)
                << static_cast<std::uint32_t>(rop) << " within one plane at " << r[0] << "," << r[1]
                << " from " << r[4] << "," << r[5];
            Plane filled = dst;
            fill_box(filled, r[0], r[1], r[2], r[3], 0xABCDEF);
            EXPECT_EQ(filled.pixels, pixel_by_pixel(dst, r[0], r[1], r[2], r[3],
                                                    Plane(40, 40, 0xABCDEF), 0, 0, Rop::SRCCOPY)
                                         .pixels);
        }
    }
}

TEST(Planes, ACopySharesItsPixelsUntilEitherIsWrittenAndNeverSeesTheOthersWrites) {
    const Plane original = numbered(20, 12, 1);
    Plane copy = original;
    EXPECT_TRUE(copy.pixels.shares(original.pixels));
    // Each operation writes the copy alone, and does what it does to a plane of its own,
    // within one plane too (the source read as it was).
    Plane mine(20, 12);
    mine.pixels.assign(original.pixels.begin(), original.pixels.end());
    ASSERT_FALSE(mine.pixels.shares(original.pixels));
    for (Plane* p : {&copy, &mine}) {
        bit_blt(*p, 3, 2, 9, 6, *p, 1, 1, Rop::SRCPAINT);
        bit_blt(*p, 1, 1, 9, 6, *p, 3, 2);
        fill_box(*p, 15, 0, 3, 12, 0x123456);
        stretch_blt(*p, 0, 0, 20, 12, *p, 2, 2, 10, 6);
    }
    EXPECT_EQ(copy, mine);
    EXPECT_EQ(original, numbered(20, 12, 1));
    // A whole plane copied onto another: what the other held, and shared with, is untouched.
    Plane whole = original;
    Plane kept = whole;
    bit_blt(whole, 0, 0, 20, 12, mine, 0, 0);
    EXPECT_EQ(whole, mine);
    EXPECT_EQ(kept, original);
    whole.row(0)[0] = 7;
    EXPECT_NE(mine.at(0, 0), 7u);
}

TEST(Raster, StretchingPicksTheNearestPixelAndIsCut) {
    // Source pixels naming their column and row (up to 2047).
    Plane panorama(1280, 960);
    for (int y = 0; y < 960; ++y) {
        for (int x = 0; x < 1280; ++x) panorama.row(y)[x] = static_cast<std::uint32_t>(y << 11 | x);
    }
    // The closing zoom: each screen pixel comes from the 2.5 x 2.5 source pixels it covers.
    Plane screen(512, 384);
    stretch_blt(screen, 0, 0, 512, 384, panorama, 0, 0, 1280, 960);
    for (int y = 0; y < 384; ++y) {
        for (int x = 0; x < 512; ++x) {
            const int u = screen.at(x, y) & 0x7FF, v = screen.at(x, y) >> 11;
            ASSERT_TRUE(u * 2 >= x * 5 && u * 2 < x * 5 + 5 && v * 2 >= y * 5 && v * 2 < y * 5 + 5)
                << x << "," << y;
        }
    }
    // The same size is a plain copy.
    Plane same(512, 384), plain(512, 384);
    stretch_blt(same, 0, 0, 512, 384, panorama, 300, 400, 512, 384);
    bit_blt(plain, 0, 0, 512, 384, panorama, 300, 400);
    EXPECT_EQ(same.pixels, plain.pixels);
    // Cut at the destination's edges, what lands inside matches the uncut picture; pixels
    // whose source lies outside the source plane are left alone.
    Plane wide(700, 600), cut(300, 200, 7);
    stretch_blt(wide, 100, 100, 512, 384, panorama, 0, 0, 1280, 960);
    stretch_blt(cut, -150, -120, 512, 384, panorama, 0, 0, 1280, 960);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) ASSERT_EQ(cut.at(x, y), wide.at(x + 250, y + 220));
    }
    Plane half(20, 10, 7);
    stretch_blt(half, 0, 0, 20, 10, panorama, -10, 0, 20, 10);
    EXPECT_EQ(half.at(9, 5), 7u);
    EXPECT_EQ(half.at(10, 5), panorama.at(0, 5));
}

TEST(Dither, TheStripHoldsSeventeenNestedCellsInAGrid) {
    const Plane tile = make_pictile();
    ASSERT_EQ(tile.width * 100 + tile.height, 15410);
    EXPECT_EQ(tile.at(0, 0), kTileGrid);
    EXPECT_EQ(tile.at(153, 9), kTileGrid);
    EXPECT_EQ(tile.at(9 * 7, 5), kTileGrid);
    auto white = [&](int j, int x, int y) { return tile.at(1 + 9 * j + x, 1 + y) == kWhite; };
    for (int j = 0; j <= 16; ++j) {
        int count = 0;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                count += white(j, x, y);
                EXPECT_TRUE(j == 16 || !white(j, x, y) || white(j + 1, x, y)) << "cell " << j;
            }
        }
        EXPECT_EQ(count, 4 * j) << "cell " << j;
    }
    // White keeps the old picture: the first dissolve step (cell 15) lets only (0,0) of each
    // block through, the last (cell 1) holds back only (2,1).
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(white(15, x, y), !(x % 4 == 0 && y % 4 == 0));
            EXPECT_EQ(white(1, x, y), x % 4 == 2 && y % 4 == 1);
        }
    }
    // The star's small mask: 64 columns of the first 8 rows, then 46 columns down to row 63.
    Plane corner(512, 384, 0x123456);
    build_mask(corner, tile, 0, 3, 3, 46);
    EXPECT_EQ(corner.at(63, 7), kWhite);
    EXPECT_EQ(corner.at(45, 63), kWhite);
    EXPECT_EQ(corner.at(46, 8), 0x123456u);
    EXPECT_EQ(corner.at(0, 64), 0x123456u);
}

TEST(Dither, OneFrameInOnePassEqualsTheTransfers) {
    const Plane tile = make_pictile();
    Plane panorama(1280, 960);
    for (std::size_t i = 0; i < panorama.pixels.size(); ++i)
        panorama.pixels[i] = i * 40503u & 0xFFFFFF;
    // On the stage and, as the opening does, straight out of the panorama.
    for (auto [sx, sy] : {std::pair{0, 0}, std::pair{768, 575}}) {
        for (int k : {0, 1, 7, 15}) {
            Plane fast = numbered(512, 384, 11), slow = fast, aside(512, 384), mask(512, 384);
            dissolve_frame(fast, panorama, sx, sy, tile, k);
            // The transfers one by one: the new picture set aside, the mask, the screen ANDed
            // with it, the mask inverted, the new picture ANDed with that, both ORed.
            bit_blt(aside, 0, 0, 512, 384, panorama, sx, sy);
            build_mask(mask, tile, k);
            bit_blt(slow, 0, 0, 512, 384, mask, 0, 0, Rop::SRCAND);
            bit_blt(mask, 0, 0, 512, 384, mask, 0, 0, Rop::NOTSRCCOPY);
            bit_blt(aside, 0, 0, 512, 384, mask, 0, 0, Rop::SRCAND);
            bit_blt(slow, 0, 0, 512, 384, aside, 0, 0, Rop::SRCPAINT);
            EXPECT_EQ(fast.pixels, slow.pixels) << "step " << k << " from " << sx;
        }
    }
}

}  // namespace
}  // namespace hazama
