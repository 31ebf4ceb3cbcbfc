// The dissolve in virtual time: which frames appear when, what each shows, and how the
// planes are left.
#include <gtest/gtest.h>

#include "graphics/dither.h"
#include "graphics/raster.h"
#include "graphics_fixture.h"

namespace hazama {
namespace {

using testing::Frame;
using testing::GraphicsFixture;

constexpr std::uint32_t kOld = 0x204060;
constexpr std::uint32_t kNew = 0xC08010;

// The dissolve step at which the pixel turns, by its place in the 4 x 4 block.
int turn_step(int x, int y) {
    return kStepMatrix[y % 4][x % 4];
}

// True when `screen` shows kNew exactly at the pixels that have turned by step k and kOld
// everywhere else.
::testing::AssertionResult shows_step(const Plane& screen, int k) {
    for (int y = 0; y < 384; ++y) {
        for (int x = 0; x < 512; ++x) {
            const std::uint32_t want = turn_step(x, y) <= k ? kNew : kOld;
            if (screen.at(x, y) != want) {
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " at step "
                                                     << k << " is " << std::hex << screen.at(x, y);
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
            const Frame& frame = f.frames[k - 1];
            // Due at the first whole millisecond of step k.
            EXPECT_EQ(frame.at, 5000u + (span * k + 15) / 16) << span << " step " << k;
            EXPECT_TRUE(shows_step(frame.screen, k)) << span;
        }
        EXPECT_EQ(f.frames.back().at, 5000u + span);
        EXPECT_EQ(f.frames.back().screen.pixels, f.form.picmain[1].pixels);
        EXPECT_EQ(f.platform.now_ms(), 5000u + span);
        EXPECT_EQ(f.notes, std::vector<std::string>{"fade " + std::to_string(span) + " 0"});
    }
}

TEST(Fade, TheFirstPixelTurnsAtStepOneAndTheLastOnlyInTheFinalCopy) {
    FadeFixture f;
    f.form.fade(1000, 0);
    EXPECT_EQ(f.frames[0].screen.at(0, 0), kNew);
    EXPECT_EQ(f.frames[0].screen.at(4, 8), kNew);
    EXPECT_EQ(f.frames[0].screen.at(1, 0), kOld);
    EXPECT_EQ(f.frames[14].screen.at(2, 1), kOld);
    EXPECT_EQ(f.frames[14].screen.at(510, 381), kOld);
    EXPECT_EQ(f.frames[15].screen.at(2, 1), kNew);
}

TEST(Fade, ToBlackThenBlackToBlack) {
    FadeFixture f;
    f.form.fade(1000, 1);
    EXPECT_EQ(f.form.picmain[0].pixels, Plane(512, 384, kBlack).pixels);
    EXPECT_EQ(f.form.picmain[1].pixels, Plane(512, 384, kBlack).pixels);

    // Without a new picture the next dissolve runs its full time with nothing to change.
    f.frames.clear();
    f.form.fade(1000, 0);
    EXPECT_EQ(f.frames.size(), 16u);
    for (const Frame& frame : f.frames) {
        EXPECT_EQ(frame.screen.pixels, Plane(512, 384, kBlack).pixels);
    }
    EXPECT_EQ(f.platform.now_ms(), 7000u);

    // White, and any other op dissolves to the stage as op 0 does.
    FadeFixture w;
    w.form.fade(100, 2);
    EXPECT_EQ(w.form.picmain[0].pixels, Plane(512, 384, kWhite).pixels);
    FadeFixture other;
    other.form.fade(100, 7);
    EXPECT_EQ(other.form.picmain[0].pixels, Plane(512, 384, kNew).pixels);
    EXPECT_TRUE(shows_step(other.frames[3].screen, 4));
}

TEST(Fade, NoTimeShowsTheTargetAtOnce) {
    for (int span : {0, -20}) {
        FadeFixture f;
        f.form.fade(span, 0);
        ASSERT_EQ(f.frames.size(), 1u);
        EXPECT_EQ(f.frames[0].screen.pixels, Plane(512, 384, kNew).pixels);
        EXPECT_EQ(f.platform.now_ms(), 5000u);
    }
}

TEST(Fade, ASlowMachineSkipsStepsButKeepsTheDuration) {
    FadeFixture f;
    // Every refresh takes 150 ms.
    std::vector<std::uint32_t> drawn;
    f.platform.on_refresh = [&] {
        f.frames.push_back({f.platform.now_ms(), f.form.picmain[0]});
        f.platform.advance(150);
    };
    f.form.fade(1000, 0);
    // Due at 63 ms, then wherever the clock is after each slow frame.
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
    const Plane old_screen = f.form.picmain[0];
    f.form.fade(1000, 0);
    EXPECT_EQ(ticks, 3);

    EXPECT_EQ(f.form.picmain[2].pixels, old_screen.pixels);
    // Step 15's mask inverted: black only where the last pixel waits for the final copy.
    for (int y = 0; y < 384; ++y) {
        for (int x = 0; x < 512; ++x) {
            const bool last = turn_step(x, y) == 16;
            ASSERT_EQ(f.form.picmain[3].at(x, y), last ? kBlack : kWhite);
            ASSERT_EQ(f.form.picmain[4].at(x, y), last ? kBlack : kNew);
        }
    }
}

}  // namespace
}  // namespace hazama
