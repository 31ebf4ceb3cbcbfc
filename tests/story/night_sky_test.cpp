// The roof under the night sky: the shooting star and the kiss on look, the way home on talk,
// what either command gives before or after, and the picture a load there brings back.
#include <algorithm>

#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

std::string state(int game, int position, const std::string& music) {
    return state_line(game, position, 1, music);
}

const Lines kShootingStars = {
    "music 0", "stage i09_stas", "fade 1000 0",
    // the star drawn into the sky, then gone in a trail of dust
    "picture 2 gra/o02_star.jpg", "copy 1 294 192 46 40 2 0 0", "fade 200 0",  //
    "[k01_sib3]", "飛沫 1", "stardust",                                        //
    "stage i09_stas", "fade 50 0",                                             //
    "飛沫 2", "[k03_syo0]", "少年 1", "[-]",                                   //
    "stage i12_neru", "fade 1000 0",                                           //
    "飛沫 2", "[k03_syo0]", "少年 2", "[-]",                                   //
    "narration 2", "narration 2",                                              //
    "stage i12_suwa", "fade 1000 0",                                           //
    "[k03_syo0]", "少年 2", "[-]", "narration 1",                              //
    "stage i12_suw2", "fade 1000 0",                                           //
    "narration 2", "narration 1",                                              //
    "music verdure", "stage i09_stas", "fade 1000 0",                          //
    "narration 2", "narration 1", "narration 1", "narration 1", "narration 1", "narration 2",
    "narration 2",                    //
    "[k01_sib6]", "飛沫 1",           //
    "stage i12_suw2", "fade 1000 0",  //
    "[-]"};                           // her blush stays until com takes it

const Lines kNoStarYet = {"[k03_syo0]", "少年 1", "[-]", "[-]"};
const Lines kStarrySky = {"stage i09_stas", "fade 1000 0", "narration 1",
                          "stage i12_suw2", "fade 1000 0", "[-]"};

TEST(NightSky, LookBeforeTalkThenHomeToTheRoadBeforeHisHouse) {
    const std::vector<Played> got = replies(
        "new\nset game=34 position=12 light=1 music=shigure\n"
        "talk\nlook\nlook\ntalk\nlook\n");
    ASSERT_EQ(got.size(), 5u);

    // At 34 talk only asks after the stars; look plays the night.
    EXPECT_EQ(shape(got[0]), expand(kNoStarYet) + Lines{state(34, 12, "shigure")});
    EXPECT_EQ(shape(got[1]), expand(kShootingStars) + Lines{state(35, 12, "verdure")});
    // At 35 look is only the view, and talk takes her home.
    EXPECT_EQ(shape(got[2]), expand(kStarrySky) + Lines{state(35, 12, "verdure")});
    EXPECT_EQ(got[2].of("message"), Lines{"message 美しい星空……"});

    const Lines home = expand({"少年 1", "飛沫 1", "music water2", "fade 1000 1", "narration 1"});
    const Lines shaped = shape(got[3]);
    ASSERT_GT(shaped.size(), home.size() + 3);
    EXPECT_EQ(Lines(shaped.begin(), shaped.begin() + static_cast<long>(home.size())), home);
    // The road's goodbye runs inside the talk and ends with its own com, then ours.
    const Lines road(shaped.begin() + static_cast<long>(home.size()), shaped.end() - 3);
    EXPECT_TRUE(std::any_of(road.begin(), road.end(),
                            [](const std::string& line) { return line.rfind("少年 ", 0) == 0; }));
    EXPECT_EQ(Lines(shaped.end() - 3, shaped.end()),
              (Lines{"face 0", "face 0", state(37, 3, "water2")}));

    // Back on the road, the roof's lines are not heard any more.
    EXPECT_EQ(got[4].of("message"), Lines{"message 不思議な少年が住んでいる家。"});
}

TEST(NightSky, FallbacksUpTo99NothingAboveAndNoWayOffByMove) {
    const std::vector<Played> got = replies(
        "new\nset game=50 position=12 light=1 music=shigure\ntalk\nlook\n"
        "set game=150\ntalk\nlook\nmove 0\nmove 2\nmove close\n");
    ASSERT_EQ(got.size(), 7u);
    EXPECT_EQ(shape(got[0]), expand(kNoStarYet) + Lines{state(50, 12, "shigure")});
    EXPECT_EQ(shape(got[1]), expand(kStarrySky) + Lines{state(50, 12, "shigure")});
    for (std::size_t i = 2; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(shape(got[i]), (Lines{"face 0", state(150, 12, "shigure")}));
    }
    for (std::size_t i = 4; i < got.size(); ++i)
        EXPECT_EQ(got[i].of("chooser"), Lines{"chooser  |  | "});
}

TEST(NightSky, ALoadThereBringsBackThePictureOfTheMoment) {
    const std::vector<std::pair<int, Lines>> cases = {
        {34, {"stage i12_neru", "fade 1000 0"}},
        {35, {"stage i12_suw2", "fade 1000 0"}},
        {20, {}},
        {36, {}},
    };
    for (const auto& [game, picture] : cases) {
        SCOPED_TRACE(game);
        const Played loaded =
            reloaded("game=" + std::to_string(game) + " position=12 light=1 music=shigure",
                     "night_sky" + std::to_string(game) + ".hzm");
        EXPECT_EQ(without_music(shape(loaded)),
                  expand(picture + Lines{"[-]", "[-]"}) + Lines{state(game, 12, "shigure")});
    }
}

}  // namespace
}  // namespace hazama::testing
