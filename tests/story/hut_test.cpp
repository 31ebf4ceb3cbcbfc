// The wooden building under the stars: the boy before it on arrival, the fixed look, and the
// one talk that runs the telescope and then the roof, leaving the player up there.
#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

const Lines kBoyBeforeTheBuilding = {"stage h06_koya", "picture 2 gra/c04_syon.jpg", "mask 4",
                                     "lay 256 50", "fade 1000 0"};

const Lines kTelescope = {
    "少年 1",         "[k01_sib3]",  "飛沫 1",      "[-]",                 //
    "少年 2",         "[k01_sib3]",  "飛沫 1",      "[-]",                 //
    "narration 1",    "fade 1000 1",                                       //
    "[k03_syo2]",     "少年 2",      "[-]",                                //
    "stage i12_miru", "fade 1000 0", "narration 1", "narration 1",         //
    "stage i09_stas", "fade 1000 0", "[k01_sib0]",  "飛沫 1",              //
    "stage i12_miru", "fade 1000 0", "[k03_syo0]",  "少年 2",      "[-]",  //
    "飛沫 1",         "[k03_syo0]",  "少年 1",      "[-]",                 //
    "stage i12_mitu", "fade 1000 0", "narration 1", "少年 2",      "少年 1", "[-]",
    "stage i12_miru", "fade 1000 0", "飛沫 1",      "[k03_syo0]",  "少年 2", "[-]",
    "narration 1"};

// Ends where the routine's own com takes over.
const Lines kRoof = {
    "[k03_syo0]",     "少年 3",      "[-]",         "fade 1000 1",                   //
    "narration 2",                                                                   //
    "stage i12_suwa", "fade 1000 0", "narration 1",                                  //
    "stage i12_neru", "fade 1000 0", "飛沫 1",      "[k03_syo2]",  "少年 2", "[-]",  //
    "飛沫 1",         "[k03_syo0]",  "少年 1",      "[-]",                           //
    "narration 1",    "飛沫 1",      "[k03_syo0]",  "少年 1",      "[-]",            //
    "飛沫 3",         "[k03_syo2]",  "少年 1",      "[k03_syo0]",  "少年 2", "[k03_syo1]",
    "少年 2",         "少年 1",      "[-]",                                          //
    "飛沫 1",         "[k03_syo0]",  "少年 1",      "少年 1",      "少年 1", "[-]",  //
    "飛沫 1",         "narration 1"};

std::string state(int game, int position) {
    return state_line(game, position, 1, "shigure");
}

TEST(Hut, TheNightRunEndsWithTheBoyBeforeTheBuilding) {
    const std::vector<Played> got =
        replies("new\nset game=32 position=8 light=0 music=balance\nmove 0\n");
    ASSERT_EQ(got.size(), 1u);
    const Lines shaped = shape(got[0]);
    // The building's arrival and its com, then the sunlit room's own com.
    const Lines tail = expand(kBoyBeforeTheBuilding + Lines{"[-]", "[-]"}) +
                       Lines{"state game=32 position=11 light=1 f00=0 x00=0 music=shigure"};
    ASSERT_GE(shaped.size(), tail.size());
    EXPECT_EQ(Lines(shaped.end() - static_cast<long>(tail.size()), shaped.end()), tail);
}

TEST(Hut, OneTalkRunsTelescopeAndRoofAndTheRestIsQuiet) {
    const std::vector<Played> got = replies(
        "new\nset game=32 position=11 light=1 music=shigure\n"
        "look\ntalk\nmove 0\n"
        "set game=33 position=11\ntalk\n"
        "set game=31 position=11\ntalk\nset game=34\ntalk\nset game=200\ntalk\nlook\n");
    ASSERT_EQ(got.size(), 8u);

    const Lines fixed_look = {"message 建物は木でできていて、周りは広々としている"};
    EXPECT_EQ(got[0].of("message"), fixed_look);
    EXPECT_EQ(got[0].of("state").back(), state(32, 11));

    // The telescope goes straight on to the roof within the same talk; both routines' coms.
    EXPECT_EQ(shape(got[1]),
              expand(kTelescope + kRoof + Lines{"[-]", "[-]"}) + Lines{state(34, 12)});
    // Up on the roof the move chooser leads nowhere.
    EXPECT_EQ(shape(got[2]), (Lines{"face 0", state(34, 12)}));
    EXPECT_EQ(got[2].of("chooser"), Lines{"chooser  |  | "});

    // A save holding 33 gives the roof alone.
    EXPECT_EQ(shape(got[3]), expand(kRoof + Lines{"[-]"}) + Lines{state(34, 12)});

    // Before and after the night, talk only gives the buttons back; look never changes.
    EXPECT_EQ(shape(got[4]), (Lines{"face 0", state(31, 11)}));
    EXPECT_EQ(shape(got[5]), (Lines{"face 0", state(34, 11)}));
    EXPECT_EQ(shape(got[6]), (Lines{"face 0", state(200, 11)}));
    EXPECT_EQ(got[7].of("message"), fixed_look);
}

TEST(Hut, ALoadThereShowsTheBoyBeforeTheBuildingInAnyState) {
    for (const int game : {20, 33, 40}) {
        SCOPED_TRACE(game);
        const Played loaded =
            reloaded("game=" + std::to_string(game) + " position=11 light=1 music=shigure",
                     "hut" + std::to_string(game) + ".hzm");
        EXPECT_EQ(without_music(shape(loaded)),
                  expand(kBoyBeforeTheBuilding + Lines{"[-]", "[-]"}) + Lines{state(game, 11)});
    }
}

}  // namespace
}  // namespace hazama::testing
