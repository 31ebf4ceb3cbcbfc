// The classroom: three school days with 蓮美 over the chime, and who is left after school.
#include <algorithm>

#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

const NamedSteps kHasumi = {{"hasumi", {"picture 2 gra/c02_hasu.jpg", "mask 2", "lay 256 64"}}};
const std::string kDay = "picture 1 gra/h05_gako.jpg";
const std::string kDark = "picture 1 gra/h05_gakd.jpg";

// Walks in from the road ("←学校" is the first exit before 5, then the second).
std::string walk_in(int game, int light) {
    return "set position=3 game=" + std::to_string(game) + " light=" + std::to_string(light) +
           "\nmove " + (game <= 4 ? "0" : "1") + "\n";
}

Lines arrival(int game, int light) {
    return shape(replies("new\n" + walk_in(game, light)).at(0));
}

std::string state(int game, int light, const std::string& music) {
    return state_line(game, 5, light, music);
}

const Lines kFirstMorning = expand(
    {
        "stage h05_gako; fade 1000 0; narration 2 1",
        "hasumi; fade 1000 0; 蓮美 1; [k01_sib0]; 飛沫 1; [-]",
        "music s-Cha; timer1 0; pause 5000; 蓮美 1; stage h05_gako; fade 1000 0",
        "music mind2; timer1 10; narration 2 1 1; [-]",
        state(4, 0, "mind2"),
    },
    kHasumi);

TEST(School, ThreeSchoolDaysEachRingThroughTheChimeAndMoveTheStoryOn) {
    EXPECT_EQ(arrival(3, 0), kFirstMorning);

    // On a dark arrival 蓮美 still comes over the dark room; the scene then shows the day.
    Lines dark_morning = kFirstMorning;
    dark_morning.front() = kDark;
    dark_morning.back() = state(4, 1, "mind2");
    EXPECT_EQ(arrival(1, 1), dark_morning);

    EXPECT_EQ(arrival(11, 0),
              expand(
                  {
                      "stage h05_gako; fade 1000 0; [k01_sib2]; 飛沫 1",
                      "music s-Cha; fade 1000 1; timer1 0; pause 5000; [-]; 蓮美 1",
                      "music up_mode2; timer1 10; narration 2; stage h05_gako",
                      "hasumi; fade 1000 0; 蓮美 1; [k01_sib2]; 飛沫 1; [-]; 蓮美 1",
                      "[k01_sib2]; 飛沫 1 1; [k01_sib0]; 飛沫 2 1; [-]; 蓮美 1",
                      "music s-Cha; fade 1000 1; timer1 0; pause 5000; narration 1",
                      "stage h05_gako; fade 1000 0",
                      "music mind2; timer1 10; [-]",
                      state(12, 0, "mind2"),
                  },
                  kHasumi));

    EXPECT_EQ(arrival(20, 0),
              expand(
                  {
                      "stage h05_gako; fade 1000 0",
                      "music s-Cha; fade 4000 1; timer1 0; pause 5000",
                      "music up_mode2; timer1 10; narration 1; [k01_sib0]; 飛沫 2; [-]",
                      "stage h05_gako; hasumi; fade 1000 0; 蓮美 3 1",
                      "[k01_sib0]; 飛沫 1; [-]; 蓮美 1; [k01_sib0]; 飛沫 1; [-]; narration 2",
                      "蓮美 1; [k01_sib0]; 飛沫 1; stage h05_gako; fade 1000 0; [-]",
                      "music star2; [-]",
                      state(21, 0, "star2"),
                  },
                  kHasumi));
}

TEST(School, OtherDaysOnlyShowTheRoomByLight) {
    const std::vector<std::pair<int, int>> days = {{4, 0},  {12, 1}, {19, 0},
                                                   {21, 1}, {50, 0}, {12, 2}};
    std::string script = "new\n";
    for (const auto& [game, light] : days) script += walk_in(game, light);
    const std::vector<Played> got = replies(script);
    ASSERT_EQ(got.size(), days.size());
    for (std::size_t i = 0; i < days.size(); ++i) {
        const auto [game, light] = days[i];
        Lines expected = {"fade 1000 0", "face 0", state(game, light, "up_mode2")};
        if (light < 2) expected.insert(expected.begin(), light == 0 ? kDay : kDark);
        EXPECT_EQ(shape(got[i]), expected) << game << " " << light;
    }
}

TEST(School, TalkAndLookTellWhoIsLeftInTheRoom) {
    const std::vector<int> games = {0, 4, 12, 13, 21, 22, 23, 24, 25, 99};
    std::string script = "new\n";
    for (const char* command : {"talk", "look"})
        for (int light : {0, 1, 2})
            for (int game : games)
                script += "set position=5 game=" + std::to_string(game) +
                          " light=" + std::to_string(light) + "\n" + command + "\n";
    const std::vector<Played> got = replies(script);
    ASSERT_EQ(got.size(), 2 * 3 * games.size());
    const auto said = [&](const std::string& command, int game, int light) {
        const auto at = std::find(games.begin(), games.end(), game) - games.begin();
        const Played& reply = got.at(((command == "look") * 3 + light) * games.size() + at);
        EXPECT_NE(reply.trace.find("state game=" + std::to_string(game) +
                                   " position=5 light=" + std::to_string(light) + " "),
                  std::string::npos);  // nothing moves on
        return reply.of("message");
    };

    // 蓮美 is away just after each of her scenes; the first line stands alone otherwise.
    const Lines hasumi_away = said("talk", 12, 0);
    ASSERT_EQ(hasumi_away.size(), 1u);
    EXPECT_NE(hasumi_away[0].find("蓮美"), std::string::npos);
    for (int game : {0, 4, 21}) EXPECT_EQ(said("talk", game, 0), hasumi_away) << game;
    const Lines students = said("talk", 13, 0);
    EXPECT_EQ(students, Lines{hasumi_away[0].substr(0, hasumi_away[0].find("\\n"))});
    for (int game : {22, 25, 99}) EXPECT_EQ(said("talk", game, 0), students) << game;
    const Lines band = said("talk", 23, 0);
    EXPECT_EQ(said("talk", 24, 0), band);
    EXPECT_NE(band, students);
    EXPECT_EQ(std::count(band[0].begin(), band[0].end(), '\\'), 1);

    const Lines few_left = said("look", 0, 0);
    ASSERT_EQ(few_left.size(), 1u);
    for (int game : {12, 22, 25, 99}) EXPECT_EQ(said("look", game, 0), few_left) << game;
    const Lines band_practising = said("look", 23, 0);
    ASSERT_EQ(band_practising.size(), 1u);
    EXPECT_EQ(said("look", 24, 0), band_practising);
    EXPECT_NE(band_practising, few_left);
    const Lines empty_room = said("look", 0, 1);
    ASSERT_EQ(empty_room.size(), 1u);
    EXPECT_NE(empty_room, few_left);

    // In the dark, and for an unknown variant, the day does not matter.
    for (int game : games) {
        EXPECT_EQ(said("talk", game, 1), Lines{"message ここには話す相手がいない。"}) << game;
        EXPECT_EQ(said("look", game, 1), empty_room) << game;
        EXPECT_TRUE(said("talk", game, 2).empty()) << game;
        EXPECT_TRUE(said("look", game, 2).empty()) << game;
    }
}

}  // namespace
}  // namespace hazama::testing
