// The opening credits in virtual time: frames per phase, what each frame shows, how the
// credits grow; and the staff file they are read from.
#include <gtest/gtest.h>

#include "core/form_fixture.h"
#include "graphics/dither.h"
#include "sequences/staff_file.h"

namespace hazama {
namespace {

using testing::FormFixture;
using testing::pan;

constexpr std::uint32_t kOldScreen = 0xABCDEF;
constexpr std::uint32_t kStart = 5000;  // virtual time when the opening starts

struct Frame {
    std::uint32_t at;
    std::array<StaffLabel, 11> labels;
    std::uint32_t corner;  // screen (0, 0): turns first in every dither step
    std::uint32_t last;    // screen (2, 1): turns last
};

struct OpeningFixture : FormFixture<> {
    std::vector<Frame> frames;

    explicit OpeningFixture(const std::string& staff) : FormFixture("opening") {
        if (!staff.empty()) folder.write("gra/staff.txt", staff);
        platform.decoder = testing::panorama_decoder(0x777777);
        platform.reader = [this] { form.labmain_Click(); };
        platform.on_refresh = [this] {
            frames.push_back({platform.now_ms(), platform.staff(), form.picmain[0].at(0, 0),
                              form.picmain[0].at(2, 1)});
        };
        for (Plane& p : form.picmain) p.resize(512, 384, kOldScreen);
        platform.set_now(kStart);
    }
};

const std::string kStaff =
    "\"ハザマ\"\n\"原作・プログラム\"\n\"　プログラム班\"\n\"脚本\"\n\"　シナリオ班\"\n"
    "\"キャラクターデザイン\"\n\"　美術班\"\n\"音楽\"\n\"　音楽班\"\n";

TEST(Opening, ThreePhasesOfFramesInTwelveSeconds) {
    OpeningFixture f(kStaff);
    f.form.opening();
    EXPECT_EQ(f.platform.now_ms(), kStart + 12000);
    ASSERT_EQ(f.frames.size(), 100u + 200u + 276u);

    // Pan and dissolve in: a frame every 20 ms; step k lets pixels of step matrix value
    // up to k show the panorama, so the first frame leaves the old screen as it was.
    for (int v = 0; v < 100; ++v) {
        const Frame& fr = f.frames[v];
        ASSERT_EQ(fr.at, kStart + 20u * v);
        const int k = v * 20 / 125;
        EXPECT_EQ(fr.corner, k >= 1 ? pan(768, v) : kOldScreen) << v;
        EXPECT_EQ(fr.last, kOldScreen) << v;
    }
    // Pan behind the credits: a frame every 25 ms, the view 100 rows further down.
    for (int v = 0; v < 200; ++v) {
        const Frame& fr = f.frames[100 + v];
        ASSERT_EQ(fr.at, kStart + 2000u + 25u * v);
        EXPECT_EQ(fr.corner, pan(768, v + 100)) << v;
        EXPECT_EQ(fr.last, pan(770, v + 101)) << v;
    }
    // Pan and darken: 276 frames, ending at rows 575..958 with one pixel in 16 left.
    for (int v = 0; v < 276; ++v) {
        const Frame& fr = f.frames[300 + v];
        ASSERT_EQ(fr.at, kStart + 7000u + static_cast<std::uint32_t>((v * 5000 + 275) / 276));
        const int k = static_cast<int>((fr.at - kStart - 7000) * 16 / 5000);
        EXPECT_EQ(fr.corner, k == 0 ? pan(768, v + 300) : 0u) << v;
        EXPECT_EQ(fr.last, pan(770, v + 301)) << v;
    }
    EXPECT_EQ(f.frames.back().last, pan(770, 576));
    EXPECT_EQ(f.form.picmain[1].at(0, 0), kOldScreen);  // the stage is left alone
}

TEST(Opening, CreditsGrowInPairsAndStayAtTheirFinalSizes) {
    OpeningFixture f(kStaff);
    f.form.opening();
    // Sizes of labels 0..7 (0 while hidden) in the phase-2 frame of value v.
    auto sizes = [&](int v) {
        std::array<double, 8> out{};
        for (int i = 0; i < 8; ++i) {
            const StaffLabel& l = f.frames[100 + v].labels[i];
            out[i] = l.visible ? l.point_size : 0;
        }
        return out;
    };
    using S = std::array<double, 8>;
    EXPECT_EQ(sizes(0), (S{1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sizes(25), (S{7, 10, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sizes(50), (S{13, 19, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sizes(51), (S{13, 19, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(sizes(120), (S{13, 19, 13, 19, 6, 8, 0, 0}));
    EXPECT_EQ(sizes(199), (S{13, 19, 13, 19, 13, 19, 13, 19}));

    struct Placed {
        const char* text;
        int x, y;
    };
    const Placed placed[8] = {{"原作・プログラム", 20, 20},
                              {"プログラム班", 20, 50},
                              {"脚本", 20, 320},
                              {"シナリオ班", 20, 350},
                              {"キャラクターデザイン", 320, 20},
                              {"美術班", 400, 50},
                              {"音楽", 460, 320},
                              {"音楽班", 390, 350}};
    for (int i = 0; i < 8; ++i) {
        const StaffLabel& l = f.platform.staff()[i];
        EXPECT_EQ(l.text, placed[i].text);
        EXPECT_EQ(l.x, placed[i].x);
        EXPECT_EQ(l.y, placed[i].y);
        EXPECT_TRUE(l.visible && l.bold && l.white) << i;
        EXPECT_EQ(l.point_size, i % 2 == 0 ? 13 : 19) << i;
    }
    EXPECT_FALSE(f.platform.staff()[8].visible);
}

TEST(Opening, ThePrologueHidesTheCreditsAgain) {
    OpeningFixture f(kStaff);
    f.form.g00();
    for (int i = 0; i < 8; ++i) EXPECT_FALSE(f.platform.staff()[i].visible) << i;
    EXPECT_EQ(f.form.game, 1);
    EXPECT_EQ(f.form.position, 1);
}

TEST(Opening, WithoutTheStaffFileTheGameStops) {
    OpeningFixture f("");
    EXPECT_THROW(f.form.opening(), FatalError);
    EXPECT_THROW(read_staff_items(f.folder.path() / "gra" / "nothing.txt"), FatalError);
}

TEST(StaffFile, ItemsAreReadByTheListInputRules) {
    using Items = std::vector<std::string>;
    EXPECT_EQ(parse_list_items("\"a, b\"\r\nc,d\n\n  e  \n\"\"\n"),
              (Items{"a, b", "c", "d", "", "e", ""}));
    EXPECT_EQ(parse_list_items("\xEF\xBB\xBF\"脚本\"\n\"　名前\""), (Items{"脚本", "　名前"}));
    EXPECT_EQ(parse_list_items("x,\ny"), (Items{"x", "", "y"}));
    EXPECT_EQ(parse_list_items("\"q\" junk,r"), (Items{"q", "r"}));
    EXPECT_EQ(parse_list_items(""), Items{});

    const Items staff = {"脚本", "　 名前", "音楽"};
    EXPECT_EQ(credit_after(staff, "脚本"), "名前");
    EXPECT_EQ(credit_after(staff, "音楽"), "");  // the last item has nothing after it
    EXPECT_EQ(credit_after(staff, "監督"), "");
}

}  // namespace
}  // namespace hazama
