// 飛沫's room: the evening scenes with their hand-overs, the plain arrivals, talk and look.
#include <sstream>

#include "harness.h"
#include "scene_shape.h"

namespace hazama::testing {
namespace {

using Lines = std::vector<std::string>;

// Spells out a scene written in shorthand, one token per step: "=name" a picture faded in,
// "black" and "white" fades to them, "♪name" a piece of music ("♪0" silence), "[name]" and
// "[-]" a portrait on and off, "sN" a line of 飛沫 and "nN" narration, N lines long.
Lines steps(const std::string& shorthand) {
    Lines out;
    std::istringstream in(shorthand);
    for (std::string t; in >> t;) {
        const std::string rest = t.substr(1);
        if (t == "black" || t == "white") {
            out.push_back(t == "black" ? "fade 1000 1" : "fade 1000 2");
        } else if (t[0] == '=') {
            out.insert(out.end(), {"picture 1 gra/" + rest + ".jpg", "fade 1000 0"});
        } else if (t.rfind("♪", 0) == 0) {
            const std::string name = t.substr(std::string("♪").size());
            if (name == "0")
                out.push_back("mci close x1");
            else
                out.insert(out.end(), {"mci close x1", "mci open " + name, "mci play x1"});
        } else if (t[0] == '[') {
            out.push_back("face " + (t == "[-]" ? "0" : t.substr(1, t.size() - 2)));
        } else {
            out.push_back(std::string("message ") + (t[0] == 's' ? "飛沫「 " : "") +
                          "lines=" + rest);
        }
    }
    return out;
}

std::string state(int game, int position, int light, const std::string& music) {
    return "state game=" + std::to_string(game) + " position=" + std::to_string(position) +
           " light=" + std::to_string(light) + " f00=0 x00=0 music=" + music;
}

// Plays `script` after a new game and returns the trace of each command whose echo starts
// with one of look, talk, move or load, in order.
std::vector<Played> replies(const std::string& script) {
    const Played all = play("new\n" + script);
    EXPECT_EQ(all.status, 0) << all.errors;
    std::vector<Played> out;
    bool inside = false;
    for (const std::string& line : all.lines()) {
        if (line.rfind("> ", 0) == 0) {
            inside = false;
            for (const char* command : {"look", "talk", "move", "load"})
                if (line.rfind(std::string("> ") + command, 0) == 0) inside = true;
            if (inside) out.push_back({});
        } else if (inside) {
            out.back().trace += line + "\n";
        }
    }
    return out;
}

// Walks in from the dining room ("飛沫の部屋→" is its first exit from 10 on).
std::string walk_in(int game, int light) {
    return "set game=" + std::to_string(game) + " position=4 light=" + std::to_string(light) +
           " music=shigure\nmove 0\n";
}

// Monday night to Tuesday morning; location 1's arrival shows the house front by day.
const std::string kFirstEvening =
    "♪sukima =i04_bnky s1 n1 n2 s2 black n2 n1 ♪up_mode2 [k01_sib0] s1 [-] n1 =h03_ie [-] [-]";

Lines with_state(Lines lines, int game, int position, int light, const std::string& music) {
    lines.push_back(state(game, position, light, music));
    return lines;
}

TEST(HerRoom, EachEveningScenePlaysInOrderAndHandsOverWhereTheStoryGoesOn) {
    const struct {
        const char* name;
        int game, light;  // on arrival
        const char* scene;
        int game_after, position_after, light_after;
        const char* music_after;
    } scenes[] = {
        // Arrives in the dark: the new day's light must be set before the house front shows.
        {"first evening", 10, 1, kFirstEvening.c_str(), 11, 1, 0, "up_mode2"},
        // The room again through the nested arrival with 14: two closing coms.
        {"manga instead of study", 13, 0,
         "=h03_sibu [k01_sib2] s1 [-] black n1 =i05_com n1 s1 s1 s1 s2 s1 s1 s1 =h03_sibu [-] [-]",
         14, 10, 1, "shigure"},
        {"the last manga", 22, 1,
         "♪water2 =i07_comk n1 n3 =i08_neru s1 black n1 white =i01_kisy s2 s1 =h03_sibu [-]", 23,
         10, 1, "water2"},
        {"December and January", 26, 1,
         "♪mind =h03_sibu black n1 =h04_s-ie n1 =i07_comk n2 [k01_sib0] s1 [-] =i04_bnky n3 "
         "=h04_s-ie n1 black n1 =h03_sibu [k01_sib0] s1 [-] [-]",
         27, 10, 0, "mind"},
        // Ends on the road without showing it.
        {"February", 30, 1,
         "=h03_sibu ♪mind2 =i04_bnky n1 n2 black n1 =i08_neru n2 black n1 =h04_s-ie n1 n2 "
         "[k01_sib3] s1 [-] =i03_usa2 n1 =i07_comk n2 n2 =i04_bnky n1 black n1 =h04_s-ie n1 [-]",
         31, 3, 0, "mind2"},
        {"deciding to ask her mother", 42, 1, "=h03_sibu [k01_sib3] s2 [-] [-]", 43, 10, 1,
         "shigure"},
    };
    std::string script;
    for (const auto& scene : scenes) script += walk_in(scene.game, scene.light);
    const std::vector<Played> got = replies(script);
    ASSERT_EQ(got.size(), std::size(scenes));
    for (std::size_t i = 0; i < got.size(); ++i) {
        const auto& scene = scenes[i];
        EXPECT_EQ(scene_shape(got[i]),
                  with_state(steps(scene.scene), scene.game_after, scene.position_after,
                             scene.light_after, scene.music_after))
            << scene.name;
    }
}

TEST(HerRoom, TheExamEveHandsOverToHisRoomWithTheNextDaysValue) {
    const Lines mine =
        steps("=h03_sibu n1 =i04_bnky n2 s1 =i08_neru n3 black n2 ♪0 n1 n1 =h04_s-ie");
    const std::vector<Played> got = replies(walk_in(37, 1));
    ASSERT_EQ(got.size(), 1u);
    const Lines shape = scene_shape(got[0]);
    ASSERT_GT(shape.size(), mine.size());
    EXPECT_EQ(Lines(shape.begin(), shape.begin() + mine.size()), mine);
    // His room's arrival follows at once, and with 38 it plays its own event to 39.
    EXPECT_EQ(shape[mine.size()], "picture 1 gra/h04_sumi.jpg");
    EXPECT_EQ(shape.back().rfind("state game=39 position=9 light=0 ", 0), 0u) << shape.back();
}

TEST(HerRoom, TheFirstEveningAnswersEveryValueUpToTenAndOtherValuesOnlyShowTheRoom) {
    // The first evening from a save made before the story reached the room.
    const std::string save = ::testing::TempDir() + "her_room_early.hzm";
    std::string script =
        "set game=0 position=10 light=1 music=mind\nsave " + save + "\nload " + save + "\n";
    const std::vector<int> plain = {11, 14, 23, 40, 43, 99};
    for (int game : plain) script += walk_in(game, game % 2);
    const std::vector<Played> got = replies(script);
    ASSERT_EQ(got.size(), 1 + plain.size());

    // It ends with the load's own closing com.
    const Lines evening = with_state(steps(kFirstEvening + " [-]"), 11, 1, 0, "up_mode2");
    const Lines loaded = scene_shape(got[0]);
    ASSERT_GE(loaded.size(), evening.size());
    EXPECT_EQ(Lines(loaded.end() - evening.size(), loaded.end()), evening);

    for (std::size_t i = 0; i < plain.size(); ++i) {
        const int game = plain[i];
        EXPECT_EQ(scene_shape(got[1 + i]),
                  with_state(steps("=h03_sibu [-]"), game, 10, game % 2, "shigure"))
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
    const std::vector<Played> got = replies(script);
    ASSERT_EQ(got.size(), 2 * games.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        const int game = games[i / 2];
        const std::string line =
            i % 2 == 0 ? "message ここには話す相手がいない。" : "message 私の部屋。";
        EXPECT_EQ(got[i].lines(), (Lines{line, "face 0", state(game, 10, 1, "mind")})) << game;
    }
}

}  // namespace
}  // namespace hazama::testing
