// The roof under the night sky: the shooting star and the kiss on look, the way home on talk,
// what either command gives before or after, and the picture a load there brings back.
#include <filesystem>

#include "scene_checks.h"
#include "scene_shape.h"

namespace hazama::testing {
namespace {

using Lines = std::vector<std::string>;

// A scene in short hand: "飛沫 2" is one message of 飛沫 of two lines ("narration 1" one
// without a speaker), "[k01_sib3]" and "[-]" a portrait shown and removed, "stage NAME" the
// picture NAME.jpg loaded into plane 1, "music NAME" a piece started ("music 0" stopped).
// Anything else is a shaped trace line.
Lines expand(const Lines& steps) {
    Lines out;
    for (const std::string& step : steps) {
        const auto space = step.find(' ');
        const std::string head = step.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : step.substr(space + 1);
        if (head == "narration") {
            out.push_back("message lines=" + rest);
        } else if (head == "飛沫" || head == "少年") {
            out.push_back("message " + head + "「 lines=" + rest);
        } else if (step == "[-]") {
            out.push_back("face 0");
        } else if (step.front() == '[') {
            out.push_back("face " + step.substr(1, step.size() - 2));
        } else if (head == "stage") {
            out.push_back("picture 1 gra/" + rest + ".jpg");
        } else if (step == "music 0") {
            out.push_back("mci close x1");
        } else if (head == "music") {
            out.insert(out.end(), {"mci close x1", "mci open " + rest, "mci play x1"});
        } else {
            out.push_back(step);
        }
    }
    return out;
}

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string state(int game, int position, const std::string& music) {
    return "state game=" + std::to_string(game) + " position=" + std::to_string(position) +
           " light=1 f00=0 x00=0 music=" + music;
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
    EXPECT_EQ(scene_shape(got[0]), expand(kNoStarYet) + Lines{state(34, 12, "shigure")});
    EXPECT_EQ(scene_shape(got[1]), expand(kShootingStars) + Lines{state(35, 12, "verdure")});
    // At 35 look is only the view, and talk takes her home.
    EXPECT_EQ(scene_shape(got[2]), expand(kStarrySky) + Lines{state(35, 12, "verdure")});
    EXPECT_EQ(got[2].of("message"), Lines{"message 美しい星空……"});

    const Lines home = expand({"少年 1", "飛沫 1", "music water2", "fade 1000 1", "narration 1"});
    const Lines shaped = scene_shape(got[3]);
    ASSERT_GT(shaped.size(), home.size() + 3);
    EXPECT_EQ(Lines(shaped.begin(), shaped.begin() + static_cast<long>(home.size())), home);
    // The road's goodbye runs inside the talk and ends with its own com, then ours.
    const Lines road(shaped.begin() + static_cast<long>(home.size()), shaped.end() - 3);
    EXPECT_TRUE(std::any_of(road.begin(), road.end(), [](const std::string& line) {
        return line.rfind("message 少年「", 0) == 0;
    }));
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
    EXPECT_EQ(scene_shape(got[0]), expand(kNoStarYet) + Lines{state(50, 12, "shigure")});
    EXPECT_EQ(scene_shape(got[1]), expand(kStarrySky) + Lines{state(50, 12, "shigure")});
    for (std::size_t i = 2; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(scene_shape(got[i]), (Lines{"face 0", state(150, 12, "shigure")}));
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
        const std::string file = (std::filesystem::path(::testing::TempDir()) /
                                  ("night_sky" + std::to_string(game) + ".hzm"))
                                     .string();
        const Played played =
            play("new\nset game=" + std::to_string(game) +
                 " position=12 light=1 music=shigure\nsave " + file + "\nload " + file + "\n");
        ASSERT_EQ(played.status, 0) << played.errors;
        Lines scene;
        for (const std::string& line : scene_shape(played.after("load " + file)))
            if (line.rfind("mci ", 0) != 0) scene.push_back(line);
        EXPECT_EQ(scene, expand(picture + Lines{"[-]", "[-]"}) + Lines{state(game, 12, "shigure")});
        std::filesystem::remove(file);
    }
}

}  // namespace
}  // namespace hazama::testing
