// The reading controls in the form, in virtual time: auto-advance, skip of read lines,
// Ctrl held, the faster clock of the timed animations, and the history log.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/graphics_fixture.h"
#include "graphics/raster.h"

namespace hazama {
namespace {

using testing::GraphicsFixture;

constexpr const char* kShort = "はい。";  // three characters
constexpr const char* kThreeLines =
    "飛沫「今日は、\r\n"
    "　　　寒いね。\r\n"
    "　　　雪かな」";  // 21 characters without the line breaks

struct ReadingFixture : GraphicsFixture {
    int clicks = 0;
    ReadingFixture() {
        platform.set_now(1000);
        platform.reader = [this] {
            ++clicks;
            form.labmain_Click();
        };
    }
    bool noted(const std::string& line) const {
        return std::find(notes.begin(), notes.end(), line) != notes.end();
    }
};

TEST(AutoAdvance, ReleasesAtTheComputedTimeAtEachSpeedUnlessTheReaderIsQuicker) {
    struct Case {
        AutoSpeed speed;
        const char* text;
        std::uint32_t delay;
    };
    const Case cases[] = {
        {AutoSpeed::normal, kShort, 1500 + 80 * 3},
        {AutoSpeed::normal, kThreeLines, 1500 + 80 * 21},
        {AutoSpeed::slow, kShort, 2250 + 120 * 3},
        {AutoSpeed::slow, kThreeLines, 2250 + 120 * 21},
        {AutoSpeed::fast, kShort, 1000 + 50 * 3},
        {AutoSpeed::fast, kThreeLines, 1000 + 50 * 21},
    };
    for (const Case& c : cases) {
        ReadingFixture f;
        f.form.set_auto_speed(c.speed);
        f.form.set_auto(true);
        EXPECT_TRUE(f.platform.auto_mark());
        f.platform.reading_ms = VirtualPlatform::kNeverReads;
        f.form.message(c.text);
        EXPECT_EQ(f.platform.now_ms(), 1000 + c.delay) << c.text;
        EXPECT_EQ(f.clicks, 0);
        EXPECT_EQ(f.notes.back(), "release auto " + std::to_string(c.delay));
        EXPECT_EQ(f.form.mes, 0);

        // A click before the delay releases at once, and auto stays on across commands.
        f.platform.reading_ms = 700;
        f.form.com();
        f.form.message(c.text);
        EXPECT_EQ(f.platform.now_ms(), 1000 + c.delay + 700);
        EXPECT_EQ(f.clicks, 1);
        EXPECT_EQ(f.notes.back().rfind("message ", 0), 0u);
        EXPECT_TRUE(f.form.reading().auto_on());
    }
    // Off by default, and off means the reader alone releases.
    ReadingFixture off;
    EXPECT_FALSE(off.form.reading().auto_on());
    off.form.message(kShort);
    EXPECT_EQ(off.clicks, 1);
    EXPECT_EQ(off.platform.now_ms(), 1000u);
}

TEST(Skip, ReleasesReadLinesAndStopsAtTheFirstUnreadOneCtrlSkipsEverything) {
    ReadingFixture f;
    f.form.message("一行目");
    f.form.message("二行目");
    f.notes.clear();

    f.form.set_skip(true);
    EXPECT_TRUE(f.platform.skip_mark());
    f.form.message("一行目");
    f.form.message("二行目");
    EXPECT_EQ(f.clicks, 2);    // only the first play's
    f.form.message("三行目");  // never shown: skip ends and the line waits
    EXPECT_EQ(f.clicks, 3);
    EXPECT_FALSE(f.form.reading().skip_on());
    EXPECT_FALSE(f.platform.skip_mark());
    EXPECT_EQ(f.notes, (std::vector<std::string>{"message 一行目", "release skip", "message 二行目",
                                                 "release skip", "message 三行目", "skip off"}));

    // Ctrl held skips unread lines too and leaves skip off.
    f.form.set_ctrl(true);
    EXPECT_TRUE(f.platform.skip_mark());
    f.form.message("四行目");
    EXPECT_EQ(f.clicks, 3);
    EXPECT_FALSE(f.form.reading().skip_on());
    f.form.set_ctrl(false);
    f.form.message("五行目");
    EXPECT_EQ(f.clicks, 4);

    // The chooser ends skip before it opens.
    f.form.set_skip(true);
    f.form.position = 1;
    f.form.game = 1;
    f.platform.chooser_answers.push_back(-1);
    f.notes.clear();
    try {
        f.form.commove_Click();
    } catch (const FatalError&) {
        // the routine of the location may want pictures the fixture lacks
    }
    ASSERT_GE(f.notes.size(), 2u);
    EXPECT_EQ(f.notes[0], "skip off");
    EXPECT_EQ(f.notes[1].rfind("chooser", 0), 0u);
}

TEST(Skip, TimedAnimationsRunTenTimesFasterOnTheirOwnFrameRule) {
    GraphicsFixture f;
    f.platform.set_now(5000);
    fill_box(f.form.picmain[0], 0, 0, 512, 384, 0x204060);
    fill_box(f.form.picmain[1], 0, 0, 512, 384, 0xC08010);
    f.form.set_skip(true);
    f.form.fade(1000, 0);
    ASSERT_EQ(f.frames.size(), 16u);
    for (int k = 1; k <= 15; ++k) {
        // Step k is due at the first story millisecond of it, a tenth of that on the clock.
        const std::uint32_t story = (1000 * k + 15) / 16;
        EXPECT_EQ(f.frames[k - 1].at, 5000u + (story + 9) / 10) << k;
    }
    EXPECT_EQ(f.frames.back().at, 5100u);
    EXPECT_EQ(f.frames.back().screen.pixels, Plane(512, 384, 0xC08010).pixels);

    f.form.pause_ms(5000);
    EXPECT_EQ(f.platform.now_ms(), 5600u);
    // Back at full time once skip ends.
    f.form.set_skip(false);
    f.form.pause_ms(1000);
    EXPECT_EQ(f.platform.now_ms(), 6600u);
}

TEST(AutoAndSkip, WaitWhileTheHistoryOrTheMenuIsOpen) {
    // The reader spends ten seconds in the panel or the menu, then closes it without
    // releasing the line: only then may auto or skip release it.
    const std::function<void(MainForm&, bool)> holders[] = {
        [](MainForm& form, bool open) { open ? (void)form.open_history() : form.close_history(); },
        [](MainForm& form, bool open) { form.set_menu_open(open); },
    };
    for (const auto& hold : holders) {
        ReadingFixture f;
        f.form.message(kShort);  // read once, for skip
        f.form.set_auto(true);
        f.notes.clear();
        std::vector<std::uint32_t> looked;
        f.platform.reading_ms = 10000;
        f.platform.reader = [&] {
            looked.push_back(f.platform.now_ms());
            hold(f.form, false);
            f.platform.reading_ms = VirtualPlatform::kNeverReads;
        };
        hold(f.form, true);
        f.form.message(kThreeLines);
        EXPECT_EQ(looked, std::vector<std::uint32_t>{11000});
        EXPECT_EQ(f.platform.now_ms(), 11000u + 1500 + 80 * 21);
        EXPECT_EQ(f.notes.back(), "release auto " + std::to_string(1500 + 80 * 21));

        f.form.set_auto(false);
        f.form.set_skip(true);
        f.platform.reading_ms = 10000;
        hold(f.form, true);
        f.form.message(kShort);
        EXPECT_EQ(looked.size(), 2u);
        EXPECT_EQ(f.notes.back(), "release skip");
    }
}

TEST(History, KeepsTheLast300InOrderWithOneDividerPerLoad) {
    ReadingFixture f;
    History& log = f.form.reading().history();
    log.add_divider();  // nothing before it: no divider
    f.form.message(kThreeLines);
    f.form.message(kShort);
    log.add_divider();
    log.add_divider();
    f.form.message(kShort);
    ASSERT_EQ(log.entries().size(), 4u);
    EXPECT_EQ(log.entries()[0].text, kThreeLines);
    EXPECT_TRUE(log.entries()[2].divider);
    EXPECT_EQ(speaker_of(kThreeLines), "飛沫");
    EXPECT_EQ(speaker_of(kShort), "");
    EXPECT_EQ(speaker_of("「誰？」"), "");
    EXPECT_EQ(one_line(kThreeLines), "飛沫「今日は、\\n　　　寒いね。\\n　　　雪かな」");

    for (int i = 0; i < 400; ++i) log.add_message(std::to_string(i));
    ASSERT_EQ(log.entries().size(), History::kCapacity);
    EXPECT_EQ(log.entries().front().text, "100");
    EXPECT_EQ(log.entries().back().text, "399");
}

TEST(History, OpensWhileALineWaitsOrIdleButNotInsideAFade) {
    ReadingFixture f;
    EXPECT_TRUE(f.form.open_history());
    EXPECT_FALSE(f.form.open_history());  // already open
    f.form.close_history();

    // A timer looks in while the fade and the pause wait, as the window's events would.
    std::vector<bool> allowed;
    f.platform.set_timer(TimerId::Timer2, 50, [&] { allowed.push_back(f.form.history_allowed()); });
    f.form.fade(1000, 0);
    f.form.pause_ms(500);
    EXPECT_EQ(allowed.size(), 30u);
    EXPECT_TRUE(std::none_of(allowed.begin(), allowed.end(), [](bool b) { return b; }));
    f.platform.set_timer(TimerId::Timer2, 0, [] {});

    // Open while the line waits, auto and skip hold back; closing is no release.
    f.form.set_auto(true);
    bool opened = false;
    int waits = 0;
    f.platform.reader = [&] {
        if (++waits == 1) {
            opened = f.form.open_history();
            f.form.set_ctrl(true);
            return;  // the reader only looked back: the line waits on
        }
        f.form.close_history();
    };
    f.form.message(kShort);
    EXPECT_TRUE(opened);
    EXPECT_EQ(waits, 2);
    EXPECT_EQ(f.notes.back(), "release skip");  // after the panel closed, Ctrl skipped it
}

}  // namespace
}  // namespace hazama
