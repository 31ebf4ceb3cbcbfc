// The opening for a player who has seen it: the read record learns that it was watched
// through; after that a click or Ctrl held ends it at once at its last frame, and the keys
// and buttons that do so are the session's to decide.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/form_fixture.h"
#include "shell/input.h"

namespace hazama {
namespace {

using testing::FormFixture;

constexpr std::uint32_t kStart = 5000;

struct SeenOpening : FormFixture<> {
    std::vector<std::string> notes;
    int frames = 0;
    std::function<void(int)> at_frame;  // called with each frame's number, from 1

    SeenOpening() : FormFixture("seen-opening") {
        folder.write("gra/staff.txt",
                     "\"ハザマ\"\n\"原作・プログラム\"\n\"一\"\n\"脚本\"\n\"二\"\n"
                     "\"キャラクターデザイン\"\n\"三\"\n\"音楽\"\n\"四\"\n");
        platform.decoder = testing::panorama_decoder(0x777777);
        platform.on_note = [this](const std::string& line) { notes.push_back(line); };
        platform.on_refresh = [this] {
            ++frames;
            if (at_frame) at_frame(frames);
        };
        platform.set_now(kStart);
    }
    // Plays the opening from a screen of one colour; the time it took.
    std::uint32_t play() {
        for (Plane& p : form.picmain) p.resize(512, 384, 0xABCDEF);
        frames = 0;
        notes.clear();
        const std::uint32_t start = platform.now_ms();
        form.opening();
        return platform.now_ms() - start;
    }
    bool skipped() const { return std::ranges::count(notes, "opening skipped") == 1; }
};

TEST(SeenOpening, TheFirstViewingRunsWholeWhateverIsPressedAndTheNextEndsAtAClick) {
    SeenOpening f;
    // First: a click and Ctrl do nothing to its length or its frames.
    f.at_frame = [&](int n) {
        EXPECT_FALSE(f.form.opening_skippable());
        EXPECT_TRUE(f.form.in_opening());
        if (n == 10) f.form.skip_opening();
    };
    EXPECT_EQ(f.play(), 12000u);
    EXPECT_EQ(f.frames, 100 + 200 + 276);
    EXPECT_FALSE(f.skipped());
    EXPECT_FALSE(f.form.in_opening());
    const Plane last = f.form.picmain[0];
    const auto labels = f.platform.staff();

    // Seen: a click in the first phase ends it there, leaving what the whole one leaves.
    f.at_frame = [&](int n) {
        EXPECT_TRUE(f.form.opening_skippable());
        if (n == 10) f.form.skip_opening();
    };
    EXPECT_LT(f.play(), 2000u);
    EXPECT_TRUE(f.skipped());
    EXPECT_EQ(f.frames, 11);  // the tenth, then the last
    EXPECT_TRUE(f.form.picmain[0] == last);
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(f.platform.staff()[i] == labels[i]) << i;

    // Untouched, a seen opening still runs whole.
    f.at_frame = nullptr;
    EXPECT_EQ(f.play(), 12000u);
    EXPECT_FALSE(f.skipped());
}

TEST(SeenOpening, CtrlHeldEndsItOnceItIsAHoldAndARestoredOneIsNeverCut) {
    SeenOpening f;
    f.play();
    // Ctrl pressed on the keyboard: a chord at first (Ctrl+C skips nothing), a hold soon.
    f.at_frame = [&](int n) {
        if (n == 150) f.form.press_ctrl();
    };
    const std::uint32_t took = f.play();
    EXPECT_TRUE(f.skipped());
    EXPECT_LT(took, 2000u + 5000u);
    EXPECT_GT(f.frames, 150);

    // Held from the start (the runner's "ctrl down"): nothing of it is drawn but its end.
    f.form.set_ctrl(true);
    f.at_frame = nullptr;
    EXPECT_EQ(f.play(), 0u);
    EXPECT_TRUE(f.skipped());
    EXPECT_EQ(f.frames, 1);
    f.form.set_ctrl(false);

    // A position restored through the opening replays it as ever.
    f.form.reading().set_replaying(true);
    f.at_frame = [&](int) { f.form.skip_opening(); };
    f.play();
    EXPECT_FALSE(f.skipped());
    f.form.reading().set_replaying(false);
}

TEST(SeenOpening, AClickOrTheReleasingKeysEndItAndTheMenuOpensDuringAnyOpening) {
    const InputContext first{.history_allowed = false, .in_opening = true};
    const InputContext seen{
        .history_allowed = false, .in_opening = true, .opening_skippable = true};
    const KeyInput space{.key = Key::space, .text = U' '};
    const KeyInput enter{.key = Key::enter, .text = U'\r'};
    for (const KeyInput& key : {space, enter}) {
        EXPECT_EQ(decide_key(key, seen), Do::skip_opening);
        KeyInput up = key;
        up.press = false;
        EXPECT_EQ(decide_key(up, seen), Do::swallow);
        EXPECT_EQ(decide_key(key, first), Do::release);
    }
    EXPECT_EQ(decide_button(Button::left, Press::down, seen), Do::skip_opening);
    EXPECT_EQ(decide_button(Button::left, Press::up, seen), Do::swallow);
    EXPECT_EQ(decide_button(Button::left, Press::down, first), Do::pass);
    // The menu (its settings and volume) opens over either; fullscreen and Ctrl stay theirs.
    for (const InputContext& c : {first, seen}) {
        EXPECT_EQ(decide_button(Button::right, Press::down, c), Do::open_menu);
        EXPECT_EQ(decide_key({.key = Key::menu}, c), Do::open_menu);
        EXPECT_EQ(decide_key({.key = Key::control}, c), Do::ctrl_down);
        EXPECT_EQ(decide_key({.key = Key::enter, .alt = true}, c), Do::fullscreen);
    }
    EXPECT_EQ(decide_button(Button::right, Press::down, {.history_allowed = false}), Do::swallow);
}

}  // namespace
}  // namespace hazama
