// 飛沫's room: the evening scenes with their hand-overs, the plain arrivals, talk and look.
#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

// Plays `script` after a new game and returns the trace of each look, talk, move and load.
std::vector<Played> replies_after_new(const std::string& script) {
    return replies("new\n" + script, {"look", "talk", "move", "load"});
}

// Walks in from the dining room ("飛沫の部屋→" is its first exit from 10 on).
std::string walk_in(int game, int light) {
    return "set game=" + std::to_string(game) + " position=4 light=" + std::to_string(light) +
           " music=shigure\nmove 0\n";
}

// Monday night to Tuesday morning; location 1's arrival shows the house front by day.
const Lines kFirstEvening = {
    "music sukima; stage i04_bnky; fade 1000 0; 飛沫 1; narration 1 2; 飛沫 2",
    "fade 1000 1; narration 2 1; music up_mode2; [k01_sib0]; 飛沫 1; [-]; narration 1",
    "stage h03_ie; fade 1000 0; [-]; [-]",
};

Lines with_state(const Lines& rows, int game, int position, int light, const std::string& music) {
    return expand(rows) + Lines{state_line(game, position, light, music)};
}

TEST(HerRoom, EachEveningScenePlaysInOrderAndHandsOverWhereTheStoryGoesOn) {
    const struct {
        const char* name;
        int game, light;  // on arrival
        Lines scene;
        int game_after, position_after, light_after;
        const char* music_after;
    } scenes[] = {
        // Arrives in the dark: the new day's light must be set before the house front shows.
        {"first evening", 10, 1, kFirstEvening, 11, 1, 0, "up_mode2"},
        // The room again through the nested arrival with 14: two closing coms.
        {"manga instead of study",
         13,
         0,
         {"stage h03_sibu; fade 1000 0; [k01_sib2]; 飛沫 1; [-]; fade 1000 1; narration 1",
          "stage i05_com; fade 1000 0; narration 1; 飛沫 1 1 1 2 1 1 1",
          "stage h03_sibu; fade 1000 0; [-]; [-]"},
         14,
         10,
         1,
         "shigure"},
        {"the last manga",
         22,
         1,
         {"music water2; stage i07_comk; fade 1000 0; narration 1 3",
          "stage i08_neru; fade 1000 0; 飛沫 1; fade 1000 1; narration 1; fade 1000 2",
          "stage i01_kisy; fade 1000 0; 飛沫 2 1; stage h03_sibu; fade 1000 0; [-]"},
         23,
         10,
         1,
         "water2"},
        {"December and January",
         26,
         1,
         {"music mind; stage h03_sibu; fade 1000 0; fade 1000 1; narration 1",
          "stage h04_s-ie; fade 1000 0; narration 1",
          "stage i07_comk; fade 1000 0; narration 2; [k01_sib0]; 飛沫 1; [-]",
          "stage i04_bnky; fade 1000 0; narration 3; stage h04_s-ie; fade 1000 0; narration 1",
          "fade 1000 1; narration 1; stage h03_sibu; fade 1000 0; [k01_sib0]; 飛沫 1; [-]; [-]"},
         27,
         10,
         0,
         "mind"},
        // Ends on the road without showing it.
        {"February",
         30,
         1,
         {"stage h03_sibu; fade 1000 0; music mind2; stage i04_bnky; fade 1000 0; narration 1 2",
          "fade 1000 1; narration 1; stage i08_neru; fade 1000 0; narration 2",
          "fade 1000 1; narration 1; stage h04_s-ie; fade 1000 0; narration 1 2",
          "[k01_sib3]; 飛沫 1; [-]; stage i03_usa2; fade 1000 0; narration 1",
          "stage i07_comk; fade 1000 0; narration 2 2; stage i04_bnky; fade 1000 0; narration 1",
          "fade 1000 1; narration 1; stage h04_s-ie; fade 1000 0; narration 1; [-]"},
         31,
         3,
         0,
         "mind2"},
        {"deciding to ask her mother",
         42,
         1,
         {"stage h03_sibu; fade 1000 0; [k01_sib3]; 飛沫 2; [-]; [-]"},
         43,
         10,
         1,
         "shigure"},
    };
    std::string script;
    for (const auto& scene : scenes) script += walk_in(scene.game, scene.light);
    const std::vector<Played> got = replies_after_new(script);
    ASSERT_EQ(got.size(), std::size(scenes));
    for (std::size_t i = 0; i < got.size(); ++i) {
        const auto& scene = scenes[i];
        EXPECT_EQ(shape(got[i]), with_state(scene.scene, scene.game_after, scene.position_after,
                                            scene.light_after, scene.music_after))
            << scene.name;
    }
}

TEST(HerRoom, TheExamEveHandsOverToHisRoomWithTheNextDaysValue) {
    const Lines mine = expand({
        "stage h03_sibu; fade 1000 0; narration 1; stage i04_bnky; fade 1000 0; narration 2",
        "飛沫 1; stage i08_neru; fade 1000 0; narration 3; fade 1000 1; narration 2",
        "music 0; narration 1 1; stage h04_s-ie; fade 1000 0",
    });
    const std::vector<Played> got = replies_after_new(walk_in(37, 1));
    ASSERT_EQ(got.size(), 1u);
    const Lines shaped = shape(got[0]);
    ASSERT_GT(shaped.size(), mine.size());
    EXPECT_EQ(Lines(shaped.begin(), shaped.begin() + mine.size()), mine);
    // His room's arrival follows at once, and with 38 it plays its own event to 39.
    EXPECT_EQ(shaped[mine.size()], "picture 1 gra/h04_sumi.jpg");
    EXPECT_EQ(shaped.back().rfind("state game=39 position=9 light=0 ", 0), 0u) << shaped.back();
}

TEST(HerRoom, TheFirstEveningAnswersEveryValueUpToTenAndOtherValuesOnlyShowTheRoom) {
    // The first evening from a save made before the story reached the room.
    const std::string save = ::testing::TempDir() + "her_room_early.hzm";
    std::string script =
        "set game=0 position=10 light=1 music=mind\nsave " + save + "\nload " + save + "\n";
    const std::vector<int> plain = {11, 14, 23, 40, 43, 99};
    for (int game : plain) script += walk_in(game, game % 2);
    const std::vector<Played> got = replies_after_new(script);
    ASSERT_EQ(got.size(), 1 + plain.size());

    // It ends with the load's own closing com.
    const Lines evening = with_state(kFirstEvening + Lines{"[-]"}, 11, 1, 0, "up_mode2");
    const Lines loaded = shape(got[0]);
    ASSERT_GE(loaded.size(), evening.size());
    EXPECT_EQ(Lines(loaded.end() - evening.size(), loaded.end()), evening);

    for (std::size_t i = 0; i < plain.size(); ++i) {
        const int game = plain[i];
        EXPECT_EQ(shape(got[1 + i]),
                  with_state({"stage h03_sibu; fade 1000 0; [-]"}, game, 10, game % 2, "shigure"))
            << game;
    }
}

TEST(HerRoom, TalkAndLookGiveTheirOneLineInEveryStateAndChangeNothing) {
    const std::vector<int> games = {0, 10, 13, 22, 26, 30, 37, 42, 99, 100, 255};
    std::string script;
    for (int game : games)
        for (const char* command : {"talk", "look"})
            script += "set game=" + std::to_string(game) + " position=10 light=1 music=mind\n" +
                      command + "\n";
    const std::vector<Played> got = replies_after_new(script);
    ASSERT_EQ(got.size(), 2 * games.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        const int game = games[i / 2];
        const std::string line =
            i % 2 == 0 ? "message ここには話す相手がいない。" : "message 私の部屋。";
        EXPECT_EQ(got[i].lines(), (Lines{line, "face 0", state_line(game, 10, 1, "mind")})) << game;
    }
}

}  // namespace
}  // namespace hazama::testing
