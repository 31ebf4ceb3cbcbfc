// The full-screen dissolve: what reaches the screen, frame by frame, must be the scaled old
// or the scaled incoming picture block by block as the plane says, and at the end exactly
// the incoming picture scaled.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "desktop/scaled_dissolve.h"
#include "graphics/dither.h"

namespace hazama {
namespace {

constexpr QSize kScaled{1194, 896};  // the picture at 1920 × 1080

// A plane with something different in every pixel's neighbourhood, so that a block copied
// from the wrong picture shows.
Plane pattern(int seed) {
    Plane p(512, 384);
    for (int y = 0; y < 384; ++y)
        for (int x = 0; x < 512; ++x)
            p.row(y)[x] =
                static_cast<std::uint32_t>((x * 7 + y * 13 + seed) * 2654435761u) & 0xFFFFFFu;
    return p;
}

// The screen as Qt keeps it: only the rows a refresh names are drawn from the picture.
struct Screen {
    QImage image;
    void draw(const QRegion& rows, const QImage& picture) {
        QPainter p(&image);
        for (const QRect& r : rows) p.drawImage(r.topLeft(), picture, r);
    }
};

struct ScaledDissolveTest : ::testing::Test {
    Plane old = pattern(1);
    Plane incoming = pattern(2);
    QImage old_scaled = scaled_plane(old, kScaled);
    QImage incoming_scaled = scaled_plane(incoming, kScaled);

    // Every block on the screen is the old or the incoming scaling as the plane's pixel is.
    void expect_shows(const Screen& screen, const Plane& plane) {
        int wrong = 0;
        for (int y = 0; y < 384; ++y) {
            for (int x = 0; x < 512; ++x) {
                const bool turned = plane.at(x, y) == incoming.at(x, y);
                // The middle of the block, away from what its neighbours blend in.
                const QPoint c((2 * x + 1) * kScaled.width() / 1024,
                               (2 * y + 1) * kScaled.height() / 768);
                const QImage& want = turned ? incoming_scaled : old_scaled;
                if (screen.image.pixel(c) != want.pixel(c)) ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0);
    }

    // Runs the game's dissolve, drawing the frames of `steps` (then the whole picture), and
    // checks the screen after each.
    void run(const std::vector<int>& steps, bool ahead) {
        const Plane tile = make_pictile();
        Plane plane = old;
        ScaledDissolve dissolve(plane, incoming, kScaled);
        Screen screen{old_scaled};
        for (int k : steps) {
            const Plane shown = plane;
            dissolve_frame(plane, incoming, 0, 0, tile, k);
            const auto rows = dissolve.follow(plane, shown);
            ASSERT_TRUE(rows) << "step " << k;
            screen.draw(*rows, dissolve.picture());
            expect_shows(screen, plane);
            if (ahead) dissolve.prepare_next();
        }
        const Plane shown = plane;
        plane = incoming;
        const auto rows = dissolve.follow(plane, shown);
        ASSERT_TRUE(rows);
        screen.draw(*rows, dissolve.picture());
        EXPECT_TRUE(dissolve.done());
        EXPECT_EQ(screen.image, incoming_scaled);
        // Nothing more changes: nothing to draw; a change after the end is no dissolve's.
        EXPECT_EQ(dissolve.follow(plane, plane), QRegion());
        Plane later = plane;
        later.row(5)[5] ^= 1;
        EXPECT_FALSE(dissolve.follow(later, plane));
    }
};

TEST_F(ScaledDissolveTest, EveryFrameShowsTheBlocksThePlaneHasTurned) {
    std::vector<int> all;
    for (int k = 1; k < 16; ++k) all.push_back(k);
    run(all, true);
    run(all, false);
    // A slow machine skips steps: the blocks turned ahead are still right.
    run({2, 3, 7, 12}, true);
}

TEST_F(ScaledDissolveTest, APlaneNotTheDissolvesIsRefused) {
    const Plane tile = make_pictile();
    Plane plane = old;
    ScaledDissolve dissolve(plane, incoming, kScaled);
    const Plane before = plane;
    dissolve_frame(plane, incoming, 0, 0, tile, 4);
    ASSERT_TRUE(dissolve.follow(plane, before));
    // A pixel neither old nor incoming.
    Plane third = plane;
    third.row(100)[100] = 0x123456;
    EXPECT_FALSE(ScaledDissolve(old, incoming, kScaled).follow(third, old));
    // A turned pixel going back to the old picture.
    Plane back = plane;
    back.row(0)[0] = old.at(0, 0);
    ASSERT_NE(plane.at(0, 0), old.at(0, 0));
    EXPECT_FALSE(dissolve.follow(back, plane));
}

TEST_F(ScaledDissolveTest, ThePixelsBothPicturesShareNeedNoFrame) {
    ScaledDissolve same(old, old, kScaled);
    EXPECT_TRUE(same.done());
    EXPECT_EQ(same.follow(old, old), QRegion());
    EXPECT_EQ(same.picture(), old_scaled);
}

}  // namespace
}  // namespace hazama
