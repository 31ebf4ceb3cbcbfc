// The wooden building under the stars: the boy before it on arrival, the fixed look, and the
// one talk that runs the telescope and then the roof, leaving the player up there.
#include <filesystem>

#include "scene_checks.h"
#include "scene_shape.h"

namespace hazama::testing {
namespace {

using Lines = std::vector<std::string>;

// A scene in short hand: "少年 2" is one message of 少年 of two lines ("narration 1" one
// without a speaker), "[k01_sib3]" and "[-]" a portrait shown and removed, "stage NAME" the
// picture NAME.jpg loaded into plane 1. Anything else is a shaped trace line.
Lines expand(const Lines& steps) {
    Lines out;
    for (const std::string& step : steps) {
        const auto space = step.find(' ');
        const std::string head = step.substr(0, space);
        if (head == "narration") {
            out.push_back("message lines=" + step.substr(space + 1));
        } else if (head == "飛沫" || head == "少年") {
            out.push_back("message " + head + "「 lines=" + step.substr(space + 1));
        } else if (step == "[-]") {
            out.push_back("face 0");
        } else if (step.front() == '[') {
            out.push_back("face " + step.substr(1, step.size() - 2));
        } else if (head == "stage") {
            out.push_back("picture 1 gra/" + step.substr(space + 1) + ".jpg");
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
    return "state game=" + std::to_string(game) + " position=" + std::to_string(position) +
           " light=1 f00=0 x00=0 music=shigure";
}

TEST(Hut, TheNightRunEndsWithTheBoyBeforeTheBuilding) {
    const std::vector<Played> got =
        replies("new\nset game=32 position=8 light=0 music=balance\nmove 0\n");
    ASSERT_EQ(got.size(), 1u);
    const Lines shaped = scene_shape(got[0]);
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
    EXPECT_EQ(scene_shape(got[1]),
              expand(kTelescope + kRoof + Lines{"[-]", "[-]"}) + Lines{state(34, 12)});
    // Up on the roof the move chooser leads nowhere.
    EXPECT_EQ(scene_shape(got[2]), (Lines{"face 0", state(34, 12)}));
    EXPECT_EQ(got[2].of("chooser"), Lines{"chooser  |  | "});

    // A save holding 33 gives the roof alone.
    EXPECT_EQ(scene_shape(got[3]), expand(kRoof + Lines{"[-]"}) + Lines{state(34, 12)});

    // Before and after the night, talk only gives the buttons back; look never changes.
    EXPECT_EQ(scene_shape(got[4]), (Lines{"face 0", state(31, 11)}));
    EXPECT_EQ(scene_shape(got[5]), (Lines{"face 0", state(34, 11)}));
    EXPECT_EQ(scene_shape(got[6]), (Lines{"face 0", state(200, 11)}));
    EXPECT_EQ(got[7].of("message"), fixed_look);
}

TEST(Hut, ALoadThereShowsTheBoyBeforeTheBuildingInAnyState) {
    for (const int game : {20, 33, 40}) {
        SCOPED_TRACE(game);
        const std::string file =
            (std::filesystem::path(::testing::TempDir()) / ("hut" + std::to_string(game) + ".hzm"))
                .string();
        const Played played =
            play("new\nset game=" + std::to_string(game) +
                 " position=11 light=1 music=shigure\nsave " + file + "\nload " + file + "\n");
        ASSERT_EQ(played.status, 0) << played.errors;
        Lines scene;
        for (const std::string& line : scene_shape(played.after("load " + file)))
            if (line.rfind("mci ", 0) != 0) scene.push_back(line);
        EXPECT_EQ(scene,
                  expand(kBoyBeforeTheBuilding + Lines{"[-]", "[-]"}) + Lines{state(game, 11)});
        std::filesystem::remove(file);
    }
}

}  // namespace
}  // namespace hazama::testing
