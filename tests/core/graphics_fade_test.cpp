// The dissolve in virtual time: which frames appear when, what each shows, and how the
// planes are left.
#include <gtest/gtest.h>

#include "graphics/dither.h"
#include "graphics/raster.h"
#include "graphics_fixture.h"

namespace hazama {
namespace {

using testing::GraphicsFixture;

constexpr std::uint32_t kOld = 0x204060;
constexpr std::uint32_t kNew = 0xC08010;

// The screen shows kNew exactly where the pixel's place in its 4 x 4 block has turned by
// step k, and kOld elsewhere.
::testing::AssertionResult shows_step(const Plane& screen, int k) {
    for (int y = 0; y < 384; ++y) {
        for (int x = 0; x < 512; ++x) {
            const std::uint32_t want = kStepMatrix[y % 4][x % 4] <= k ? kNew : kOld;
            if (screen.at(x, y) != want) {
                return ::testing::AssertionFailure() << x << "," << y << " wrong at step " << k;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

struct FadeFixture : GraphicsFixture {
    FadeFixture() {
        platform.set_now(5000);
        fill_box(form.picmain[0], 0, 0, 512, 384, kOld);
        fill_box(form.picmain[1], 0, 0, 512, 384, kNew);
    }
};

TEST(Fade, FifteenStepsThenTheFinalCopyAtTheirDueTimes) {
    for (int span : {1000, 3000, 50}) {
        FadeFixture f;
        f.form.fade(span, 0);
        ASSERT_EQ(f.frames.size(), 16u) << span;
        for (int k = 1; k <= 15; ++k) {
            // Due at the first whole millisecond of step k; nothing during the first.
            EXPECT_EQ(f.frames[k - 1].at, 5000u + (span * k + 15) / 16) << span << " " << k;
            EXPECT_TRUE(shows_step(f.frames[k - 1].screen, k)) << span;
        }
        // (0,0) of each block turns first, (2,1) only with the final copy.
        EXPECT_EQ(f.frames[0].screen.at(4, 8), kNew);
        EXPECT_EQ(f.frames[14].screen.at(510, 381), kOld);
        EXPECT_EQ(f.frames[15].at, 5000u + span);
        EXPECT_EQ(f.frames[15].screen.pixels, Plane(512, 384, kNew).pixels);
        EXPECT_EQ(f.platform.now_ms(), 5000u + span);
        EXPECT_EQ(f.notes, std::vector<std::string>{"fade " + std::to_string(span) + " 0"});
    }
}

TEST(Fade, ToBlackThenBlackToBlackToWhiteAndAtOnce) {
    FadeFixture f;
    f.form.fade(1000, 1);
    EXPECT_EQ(f.form.picmain[0].pixels, Plane(512, 384, kBlack).pixels);
    EXPECT_EQ(f.form.picmain[1].pixels, Plane(512, 384, kBlack).pixels);
    // Without a new picture the next dissolve runs its full time and changes nothing.
    f.frames.clear();
    f.form.fade(1000, 0);
    EXPECT_EQ(f.frames.size(), 16u);
    for (const auto& frame : f.frames) EXPECT_EQ(frame.screen.pixels, f.frames[0].screen.pixels);
    EXPECT_EQ(f.platform.now_ms(), 7000u);
    f.form.fade(100, 2);
    EXPECT_EQ(f.form.picmain[0].pixels, Plane(512, 384, kWhite).pixels);

    // Any other op dissolves to the stage; no time at all shows it at once.
    for (auto [span, op] : {std::pair{100, 7}, std::pair{0, 0}, std::pair{-20, 0}}) {
        FadeFixture g;
        g.form.fade(span, op);
        EXPECT_EQ(g.frames.size(), span > 0 ? 16u : 1u);
        EXPECT_EQ(g.form.picmain[0].pixels, Plane(512, 384, kNew).pixels);
        EXPECT_EQ(g.platform.now_ms(), 5000u + std::max(span, 0));
    }
}

TEST(Fade, ASlowMachineSkipsStepsButKeepsTheDuration) {
    FadeFixture f;
    f.platform.on_refresh = [&] {  // every frame takes 150 ms to draw
        f.frames.push_back({f.platform.now_ms(), f.form.picmain[0]});
        f.platform.advance(150);
    };
    f.form.fade(1000, 0);
    const std::uint32_t want_at[] = {5063, 5213, 5363, 5513, 5663, 5813, 5963, 6113};
    const int want_step[] = {1, 3, 5, 8, 10, 13, 15, 16};
    ASSERT_EQ(f.frames.size(), std::size(want_at));
    for (std::size_t i = 0; i < std::size(want_at); ++i) {
        EXPECT_EQ(f.frames[i].at, want_at[i]);
        EXPECT_TRUE(shows_step(f.frames[i].screen, want_step[i])) << "frame " << i;
    }
}

TEST(Fade, TimersKeepTickingAndTheScratchPlanesAreLeftAsTheTransfersLeaveThem) {
    FadeFixture f;
    int ticks = 0;
    f.platform.set_timer(TimerId::Timer2, 300, [&] { ++ticks; });
    f.form.fade(1000, 0);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(f.form.picmain[2].pixels, Plane(512, 384, kOld).pixels);
    // Step 15's mask inverted: black only where the last pixel waits for the final copy.
    for (int y = 0; y < 384; ++y) {
        for (int x = 0; x < 512; ++x) {
            const bool last = x % 4 == 2 && y % 4 == 1;
            ASSERT_EQ(f.form.picmain[3].at(x, y), last ? kBlack : kWhite);
            ASSERT_EQ(f.form.picmain[4].at(x, y), last ? kBlack : kNew);
        }
    }
}

}  // namespace
}  // namespace hazama
