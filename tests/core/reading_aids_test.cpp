// The reader's aids in the form, in virtual time: letter-by-letter display, skip of every
// line, Ctrl held against Ctrl+C, the copied lines and the hidden text.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/graphics_fixture.h"

namespace hazama {
namespace {

using testing::FormFixture;

struct Shown {
    std::uint32_t at;
    std::string text;
    bool operator==(const Shown&) const = default;
};

// Records what the message line shows, and when.
class LinePlatform : public VirtualPlatform {
  public:
    using VirtualPlatform::VirtualPlatform;
    void set_message(const std::string& text) override {
        VirtualPlatform::set_message(text);
        shown.push_back({now_ms(), text});
        indicator_seen |= is_visible(Control::imamou0) || is_visible(Control::imamou1);
    }
    std::vector<Shown> shown;
    bool indicator_seen = false;  // at any of the calls
};

struct AidsFixture : FormFixture<LinePlatform> {
    int clicks = 0;
    std::vector<std::string> notes;
    AidsFixture() : FormFixture("aids") {
        platform.set_now(1000);
        platform.reader = [this] {
            ++clicks;
            form.labmain_Click();
        };
        platform.on_note = [this](const std::string& line) { notes.push_back(line); };
    }
    bool noted(const std::string& line) const {
        return std::find(notes.begin(), notes.end(), line) != notes.end();
    }
};

constexpr const char* kLine = "飛沫「あ\r\n　い」";  // seven characters

TEST(Reveal, CountsCharactersAndCutsWholeSequences) {
    const Reveal r(kLine, TextSpeed::normal);
    ASSERT_EQ(r.count(), 7u);
    EXPECT_EQ(r.bytes(0), 0u);
    EXPECT_EQ(r.bytes(4), std::string("飛沫「あ").size());
    // The line break goes with the character after it.
    EXPECT_EQ(r.bytes(5), std::string("飛沫「あ\r\n　").size());
    EXPECT_EQ(r.bytes(7), std::string(kLine).size());
    EXPECT_EQ(r.bytes(99), std::string(kLine).size());
    EXPECT_EQ(r.shown_at(0), 1u);
    EXPECT_EQ(r.shown_at(39), 1u);
    EXPECT_EQ(r.shown_at(40), 2u);
    EXPECT_EQ(r.shown_at(100000), 7u);
    EXPECT_EQ(r.time_of(1), 0u);
    EXPECT_EQ(r.time_of(7), 240u);

    const Reveal mixed(
        "a\xF0\x9F\x8C\x99"
        "b",
        TextSpeed::slow);  // a, a crescent moon, b
    EXPECT_EQ(mixed.count(), 3u);
    EXPECT_EQ(mixed.bytes(2), 5u);
    EXPECT_EQ(mixed.time_of(3), 160u);
    EXPECT_EQ(Reveal(kLine, TextSpeed::fast).time_of(7), 120u);
    EXPECT_EQ(Reveal(kLine, TextSpeed::instant).shown_at(0), 7u);
    EXPECT_EQ(Reveal("", TextSpeed::normal).count(), 0u);
}

TEST(LetterByLetter, ShowsACharacterMoreAtEachIntervalThenWaitsForTheReader) {
    AidsFixture f;
    f.form.set_text_speed(TextSpeed::normal);
    f.platform.reading_ms = 1000;
    f.form.message(kLine);
    const std::vector<Shown> want = {
        {1000, ""},
        {1000, "飛"},
        {1040, "飛沫"},
        {1080, "飛沫「"},
        {1120, "飛沫「あ"},
        {1160, "飛沫「あ\r\n　"},
        {1200, "飛沫「あ\r\n　い"},
        {1240, kLine},
    };
    EXPECT_EQ(f.platform.shown, want);
    EXPECT_EQ(f.clicks, 1);
    EXPECT_EQ(f.platform.now_ms(), 2240u);  // the reader read the whole line for a second
    EXPECT_EQ(f.notes, (std::vector<std::string>{"message 飛沫「あ\\n　い」", "reveal 7/7"}));

    // The waiting indicator, which blinked over the last line, is not seen until the next
    // line is whole (its tick comes while the text still appears).
    EXPECT_TRUE(f.platform.is_visible(Control::imamou0) || f.platform.is_visible(Control::imamou1));
    f.form.set_text_speed(TextSpeed::slow);
    f.platform.shown.clear();
    f.platform.indicator_seen = false;
    f.form.message(kLine);
    EXPECT_EQ(f.platform.shown.size(), 8u);
    EXPECT_FALSE(f.platform.indicator_seen);
}

TEST(LetterByLetter, AReleaseShowsTheLineWholeAndTheNextOneReleasesIt) {
    AidsFixture f;
    f.form.set_text_speed(TextSpeed::slow);
    f.platform.reading_ms = 50;
    f.form.message(kLine);
    EXPECT_EQ(f.clicks, 2);
    ASSERT_GE(f.platform.shown.size(), 2u);
    EXPECT_EQ(f.platform.shown.back(), (Shown{1050, kLine}));
    EXPECT_EQ(f.platform.shown[f.platform.shown.size() - 2].text, "飛");
    EXPECT_EQ(f.platform.now_ms(), 1100u);
    EXPECT_TRUE(f.noted("reveal 1/7"));
    EXPECT_EQ(f.form.mes, 0);
}

TEST(LetterByLetter, SkipCtrlAndTheDefaultShowLinesWholeAndAutoCountsFromTheWholeLine) {
    AidsFixture off;  // all at once, as ever: one call, no trace of its own
    off.form.message(kLine);
    EXPECT_EQ(off.platform.shown, (std::vector<Shown>{{1000, kLine}}));
    EXPECT_FALSE(off.noted("reveal 7/7"));

    AidsFixture f;
    f.form.message(kLine);  // read once
    f.form.set_text_speed(TextSpeed::fast);
    f.form.set_skip(true);
    f.platform.shown.clear();
    f.form.message(kLine);
    f.form.set_skip(false);
    f.form.set_ctrl(true);
    f.form.message("一度も見ていない行");
    f.form.set_ctrl(false);
    EXPECT_EQ(f.platform.shown, (std::vector<Shown>{{1000, kLine}, {1000, "一度も見ていない行"}}));

    // Auto-advance lets the whole line stand its delay once it is whole.
    f.form.set_auto(true);
    f.platform.reading_ms = VirtualPlatform::kNeverReads;
    f.form.message(kLine);
    const std::uint32_t delay = auto_delay(kLine, AutoSpeed::normal);
    EXPECT_EQ(f.platform.now_ms(), 1000u + 120 + delay);
    EXPECT_EQ(f.notes.back(), "release auto " + std::to_string(delay));
}

TEST(SkipEveryLine, PassesUnreadLinesTooUntilTheChooser) {
    AidsFixture f;
    f.form.set_skip_mode(SkipMode::all);
    f.form.set_skip(true);
    f.form.message("一行目");
    f.form.message("二行目");
    EXPECT_EQ(f.clicks, 0);
    EXPECT_TRUE(f.form.reading().skip_on());
    EXPECT_TRUE(f.platform.skip_mark());
    f.platform.chooser_answers.push_back(3);
    f.form.position = 16;
    f.form.commove_Click();
    EXPECT_FALSE(f.form.reading().skip_on());
    f.form.message("三行目");
    EXPECT_EQ(f.clicks, 1);
}

TEST(CtrlFromTheKeyboard, SkipsOnceHeldAMomentAndAChordWithCSkipsNothing) {
    AidsFixture f;
    f.platform.reading_ms = VirtualPlatform::kNeverReads;
    f.form.press_ctrl();
    EXPECT_TRUE(f.form.reading().ctrl_held());
    EXPECT_TRUE(f.platform.skip_mark());
    // The line on screen when Ctrl went down waits the moment out, then goes; the next
    // one goes at once.
    f.form.message("一行目");
    EXPECT_EQ(f.platform.now_ms(), 1000u + Reading::kCtrlChordMs);
    EXPECT_EQ(f.notes.back(), "release skip");
    f.form.message("二行目");
    EXPECT_EQ(f.platform.now_ms(), 1300u);
    EXPECT_EQ(f.clicks, 0);
    f.form.set_ctrl(false);

    // Ctrl, then C within the moment: the line is copied and goes on waiting.
    f.platform.reading_ms = 100;
    int looks = 0;
    f.platform.reader = [&] {
        if (++looks == 1) {
            f.form.ctrl_chord();
            f.form.copy_line();
            return;
        }
        f.form.labmain_Click();
    };
    f.form.press_ctrl();
    f.form.message("飛沫「辞書で引く。」");
    EXPECT_EQ(looks, 2);
    EXPECT_EQ(f.platform.now_ms(), 1500u);
    EXPECT_EQ(f.platform.copied(), std::vector<std::string>{"飛沫「辞書で引く。」"});
    EXPECT_FALSE(f.form.reading().ctrl_held());
    EXPECT_FALSE(f.platform.skip_mark());
    EXPECT_NE(f.notes.back(), "release skip");
}

TEST(CopiedLines, TheLineOnScreenAndInCopyModeEveryLineThatWaits) {
    AidsFixture f;
    f.form.copy_line();  // nothing on the line yet
    f.form.message(kLine);
    f.form.copy_line();
    f.form.com();
    f.form.copy_line();  // the line was cleared
    EXPECT_EQ(f.platform.copied(), std::vector<std::string>{kLine});

    f.form.set_copy_lines(true);
    f.form.message("新しい行");
    f.form.set_skip(true);
    f.form.message(kLine);                 // read before: skipped, not copied
    f.form.message("まだ読んでいない行");  // skip stops here: it waits, and is copied
    EXPECT_EQ(f.platform.copied(),
              (std::vector<std::string>{kLine, "新しい行", "まだ読んでいない行"}));
}

TEST(HiddenText, HoldsAutoAndSkipUntilShownAndCannotHideInsideAFade) {
    AidsFixture f;
    f.form.set_auto(true);
    f.platform.reading_ms = 100;
    int looks = 0;
    f.platform.reader = [&] {
        if (++looks == 1) {
            EXPECT_TRUE(f.form.set_text_hidden(true));
            EXPECT_TRUE(f.platform.text_hidden());
            f.platform.reading_ms = 5000;
        } else {
            f.form.set_text_hidden(false);
            f.platform.reading_ms = VirtualPlatform::kNeverReads;
        }
    };
    f.form.message("はい。");
    const std::uint32_t delay = auto_delay("はい。", AutoSpeed::normal);
    EXPECT_EQ(looks, 2);
    EXPECT_EQ(f.platform.now_ms(), 1000u + 100 + 5000 + delay);
    EXPECT_FALSE(f.platform.text_hidden());

    // A new line shows the text again.
    f.form.set_auto(false);
    f.platform.reader = [&] { f.form.labmain_Click(); };
    f.platform.reading_ms = 0;
    EXPECT_TRUE(f.form.set_text_hidden(true));
    f.form.message("次の行");
    EXPECT_FALSE(f.platform.text_hidden());
    EXPECT_FALSE(f.form.reading().text_hidden());

    std::vector<bool> hid;
    f.platform.set_timer(TimerId::Timer2, 100,
                         [&] { hid.push_back(f.form.set_text_hidden(true)); });
    for (Plane& p : f.form.picmain) p.resize(512, 384);
    f.form.fade(500, 0);
    f.platform.set_timer(TimerId::Timer2, 0, [] {});
    ASSERT_FALSE(hid.empty());
    EXPECT_TRUE(std::none_of(hid.begin(), hid.end(), [](bool b) { return b; }));
    EXPECT_FALSE(f.platform.text_hidden());
}

}  // namespace
}  // namespace hazama
