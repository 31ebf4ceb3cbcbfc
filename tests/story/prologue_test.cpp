// The prologue: from the new-game button to the first command in front of the house.
#include <algorithm>

#include "harness.h"
#include "scene_shape.h"

namespace hazama::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(Prologue, PlaysTheOpeningTitlesAndFirstMorningThenHandsOverToTheHouseFront) {
    const Played played = play("new\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    Lines shape = scene_shape(played.after("new"));
    // What start() does before the routine is the shell's business.
    const auto opening = std::find(shape.begin(), shape.end(), "opening");
    ASSERT_NE(opening, shape.end());
    shape.erase(shape.begin(), opening);

    const Lines expected = {
        "opening",
        "fade 500 2",
        "picture 1 gra/title1.jpg",
        "fade 1000 0",
        "picture 1 gra/title2.jpg",
        "fade 1000 0",
        "picture 1 gra/title.jpg",
        "fade 1000 0",
        "pause 1000",
        "fade 1000 1",
        "message lines=1",  // the alarm clock rings
        "message lines=1",  // she gets up and stops it
        "message 飛沫「 lines=1",
        "message lines=1",  // the dateline
        "mci close x1",
        "mci open up_mode2",
        "mci play x1",
        "picture 1 gra/i01_kisy.jpg",
        "fade 3000 0",
        "message 飛沫「 lines=1",  // half past seven
        "picture 1 gra/h03_syok.jpg",
        "fade 1000 0",
        "message lines=1",  // who she is
        "face k01_sib0",
        "message 飛沫「 lines=1",
        "picture 2 gra/c01_haha.jpg",
        "mask 1",
        "face 0",
        "lay 256 0",
        "fade 1000 0",
        "message 飛沫の母「 lines=2",
        "face k01_sib0",
        "message 飛沫「 lines=1",
        "face 0",
        "message 飛沫の母「 lines=1",
        "message 飛沫の母「 lines=1",
        "face k01_sib0",
        "message 飛沫「 lines=1",
        "fade 1000 1",
        "message 飛沫「 lines=1",
        "face 0",
        "message lines=1",  // she leaves home as usual
        // location 1 arrives with 1 and ends the command
        "picture 1 gra/h03_ie.jpg",
        "fade 1000 0",
        "face 0",
        "state game=1 position=1 light=0 f00=0 x00=0 music=up_mode2",
    };
    EXPECT_EQ(shape, expected);
}

TEST(Prologue, TitlesAreSilentAndTheMorningThemeIsTheFirstPiece) {
    const Lines lines = play("new\n").after("new").lines();
    const auto title = std::find(lines.begin(), lines.end(), "picture 1 gra/title.jpg");
    ASSERT_NE(title, lines.end());
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        // An open of a named piece before the last title picture would be music over them.
        if (it->rfind("mci open ", 0) == 0 && it->find("/.mid") == std::string::npos) {
            EXPECT_GT(it, title) << *it;
            EXPECT_NE(it->find("/up_mode2.mid"), std::string::npos) << *it;
            break;
        }
    }
}

TEST(Prologue, ThePlayerThenGetsTheHouseFrontsExits) {
    const Played played = play("new\nmove close\n");
    EXPECT_EQ(played.after("move close").of("chooser"), Lines{"chooser ↑家の中 | ←学校方面 | "});
}

}  // namespace
}  // namespace hazama::testing
