// The prologue: from the new-game button to the first command in front of the house.
#include <algorithm>

#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

TEST(Prologue, PlaysTheOpeningTitlesAndFirstMorningThenHandsOverToTheHouseFront) {
    const Played played = play("new\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    Lines shaped = shape(played.after("new"));
    // What start() does before the routine is the shell's business.
    const auto opening = std::find(shaped.begin(), shaped.end(), "opening");
    ASSERT_NE(opening, shaped.end());
    shaped.erase(shaped.begin(), opening);

    const Lines expected = expand({
        "opening",
        "fade 500 2",
        "stage title1; fade 1000 0; stage title2; fade 1000 0; stage title; fade 1000 0",
        "pause 1000; fade 1000 1",
        "narration 1",  // the alarm clock rings
        "narration 1",  // she gets up and stops it
        "飛沫 1",
        "narration 1",  // the dateline
        "music up_mode2; stage i01_kisy; fade 3000 0",
        "飛沫 1",  // half past seven
        "stage h03_syok; fade 1000 0",
        "narration 1",  // who she is
        "[k01_sib0]; 飛沫 1",
        "picture 2 gra/c01_haha.jpg; mask 1; [-]; lay 256 0; fade 1000 0",
        "飛沫の母 2; [k01_sib0]; 飛沫 1; [-]; 飛沫の母 1 1; [k01_sib0]; 飛沫 1",
        "fade 1000 1; 飛沫 1; [-]",
        "narration 1",  // she leaves home as usual
        // location 1 arrives with 1 and ends the command
        "stage h03_ie; fade 1000 0; [-]",
        "state game=1 position=1 light=0 f00=0 x00=0 music=up_mode2",
    });
    EXPECT_EQ(shaped, expected);
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
