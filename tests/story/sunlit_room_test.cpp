// The sunlit room of the boy's house: its six arrival scenes, the talk on the eve of the
// exam, the two hand-overs, the plain arrivals, and what talk and look say in between.
#include <algorithm>
#include <filesystem>

#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

// The named steps of the expectation tables; "stage NAME" and the rest as everywhere.
const NamedSteps kSteps = {
    {"boy layered", {"picture 2 gra/c04_syon.jpg", "mask 4", "lay 256 0"}},
    {"room with the boy",
     {"picture 1 gra/h04_sumi.jpg", "picture 2 gra/c04_syon.jpg", "mask 4", "lay 256 0"}},
};

// The buttons' show and hide lines stay in; the state line is checked apart.
constexpr Shaping kRoomShape = {.state = false, .show_hide = true};

struct Scene {
    const char* name;
    std::string setup;    // runner lines before the command
    const char* command;  // "move 0" from the hallway walks into the room
    Lines script;         // in short hand, up to the routine's own com
    bool hands_over;      // another routine runs after the script, before our com
    std::string after;    // the state line the command ends with
};

// Walking in from the hallway, with a piece playing that no scene here uses, so that every
// change of music shows in the trace.
std::string walk_in(int game, int light) {
    return "set game=" + std::to_string(game) + " position=8 light=" + std::to_string(light) +
           " music=balance\n";
}

void check(const std::vector<Scene>& scenes) {
    std::string script = "new\n";
    for (const Scene& scene : scenes) script += scene.setup + scene.command + "\n";
    const std::vector<Played> got = replies(script);
    ASSERT_EQ(got.size(), scenes.size());
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        const Scene& scene = scenes[i];
        SCOPED_TRACE(scene.name);
        const Lines expected = expand(scene.script, kSteps);
        const Lines shaped = shape(got[i], kRoomShape);
        if (!scene.hands_over) {
            Lines with_com = expected;
            with_com.push_back("face 0");
            EXPECT_EQ(shaped, with_com);
        } else {
            // The other location plays its own arrival and ends with its own com; then ours.
            ASSERT_GE(shaped.size(), expected.size() + 2);
            EXPECT_EQ(Lines(shaped.begin(), shaped.begin() + expected.size()), expected);
            const Lines rest(shaped.begin() + expected.size(), shaped.end());
            EXPECT_EQ(std::count_if(rest.begin(), rest.end(),
                                    [](const std::string& l) {
                                        return l.rfind("飛沫 ", 0) == 0 ||
                                               l.rfind("少年 ", 0) == 0 ||
                                               l.rfind("narration ", 0) == 0;
                                    }),
                      0)
                << "the arrival handed over to says nothing";
            EXPECT_EQ(Lines(rest.end() - 2, rest.end()), (Lines{"face 0", "face 0"}));
        }
        EXPECT_EQ(state_after(got[i]), scene.after);
    }
}

TEST(SunlitRoom, FirstMeetingAndCarvingLesson) {
    // A game saved in the hallway with the second visit pending plays it on walking in.
    const std::string save =
        (std::filesystem::path(::testing::TempDir()) / "sunlit16.hzm").string();
    check({
        {"first meeting",
         walk_in(7, 0),
         "move 0",
         {
             "stage h04_sumi",
             "fade 1000 0; [k01_sib3]; music 0; 飛沫 1; [-]",
             "boy layered; fade 1000 0; narration 1",
             "[k01_sib3]; 飛沫 1 1; [-]; 少年 1",
             "[k01_sib1]; 飛沫 1 1 1 1 1; [k01_sib3]; 飛沫 1; [-]",
             "少年 1; [k01_sib3]; 飛沫 1 1; [-]; 少年 1; [k01_sib3]; 飛沫 1; [-]",
             "music mind+mig; narration 1 3 1 1 1 2 2",
             "stage i02_kibr; fade 1000 0; narration 1; [k01_sib0]; 飛沫 1; [-]; 少年 1",
             "stage i03_usa; fade 1000 0; narration 1; [k01_sib3]; 飛沫 1; [k03_syo0]; 少年 1",
             "[k01_sib3]; 飛沫 1; [k03_syo0]; 少年 1; [k01_sib0]; 飛沫 1; [-]",
             "stage i02_kibr; fade 1000 0; 少年 2 1; [k01_sib2]; 飛沫 1 1; [-]; 少年 1 1",
             "[k01_sib0]; 飛沫 1; [-]; 少年 1; [k01_sib3]; 飛沫 1; [-]",
             "stage h04_sote; fade 1000 0; narration 1; [k01_sib0]; 飛沫 1; [-]",
             "room with the boy; fade 1000 0; 少年 1",
             "music mind2",
         },
         false,
         state_line(8, 9, 1, "mind2")},
        {"carving lesson",
         walk_in(16, 1) + "save " + save + "\nset game=3 position=2\nload " + save + "\n",
         "move 0",
         {
             "stage h04_sumi",
             "fade 1000 0; music mind+mig; boy layered; fade 1000 0",
             "少年 1; [k01_sib0]; 飛沫 1; [-]",
             "stage i02_kibr; fade 1000 0; narration 1",
             "[k01_sib0]; 飛沫 1; [-]; 少年 1; [k01_sib0]; 飛沫 1; [-]; 少年 1",
             "[k01_sib3]; 飛沫 1; [-]; 少年 1; [k01_sib3]; 飛沫 2; [-]; 少年 1",
             "[k01_sib2]; 飛沫 1; [-]",
             "narration 1 1; [k01_sib2]; 飛沫 1; [-]; 少年 1",
             "[k01_sib2]; 飛沫 2; [-]; 少年 1; [k01_sib2]; 飛沫 2 1; [-]",
             "少年 1 1; [k01_sib3]; 飛沫 1; [-]; 少年 1",
             "fade 1000 1; narration 1",
             "room with the boy; fade 1000 0; 少年 1; [k01_sib0]; 飛沫 1; [-]",
             "stage i06_kezu; fade 1000 0; narration 1 1 1 1 1",
             "stage i03_usa; fade 1000 0; [k03_syo2]; 少年 1; [-]",
             "room with the boy; fade 1000 0; 少年 1 1; [k01_sib0]; 飛沫 1; [-]",
             "narration 2 2 1 2",
         },
         false,
         state_line(17, 9, 1, "mind+mig")},
    });
}

TEST(SunlitRoom, FinishedRabbitAndConfession) {
    check({
        {"the finished rabbit",
         walk_in(24, 0),
         "move 0",
         {
             "stage h04_sumi",
             "fade 1000 0; music mind+mig; boy layered; fade 1000 0",
             "少年 1; [k01_sib0]; 飛沫 1 2; [-]",
             "少年 1; [k01_sib0]; 飛沫 1 2 1; [-]",
             "少年 1 2 2; [k01_sib0]; 飛沫 1; [-]",
             "fade 1000 1; narration 1 1",
             "room with the boy; fade 1000 0; 少年 1",
             "fade 1000 1; narration 3 1",
             "stage i03_usa2; fade 1000 0; [k03_syo0]; 少年 2 1; [k01_sib0]; 飛沫 2 1",
             "[k03_syo0]; 少年 1 2; [k01_sib0]; 飛沫 1 1 2; [-]",
             "room with the boy; fade 1000 0; 少年 2 2; [k01_sib0]; 飛沫 1; [-]; 少年 1",
             "[k01_sib0]; 飛沫 1; [-]; 少年 1",
             "music water2",
         },
         false,
         state_line(25, 9, 1, "water2")},
        // Her mother's face flashes up while her own portrait stays; the handkerchief is the
        // wider figure, laid with its own size.
        {"tears and confession",
         walk_in(28, 0),
         "move 0",
         {
             "stage h04_sumi",
             "boy layered; fade 1000 0; music mind+mif",
             "narration 1; [k01_sib2]; 飛沫 1",
             "stage h03_syod; picture 2 gra/c01_haha.jpg; mask 1; lay 256 0; fade 1000 0",
             "pause 1000",
             "room with the boy; fade 1000 0; narration 3; [k01_sib5]; 飛沫 1; [-]",
             "stage h04_sumi; picture 2 gra/c05_syoh.jpg; mask 5; lays 256 0 196 384",
             "fade 1000 0; narration 1 1",
             "fade 1000 1; [k01_sib5]; 飛沫 1; [-]; narration 1 1",
             "room with the boy; fade 1000 0; narration 1; 少年 1; narration 1 1 1 2",
             "少年 1 2; [k01_sib1]; 飛沫 1 1 1; [-]",
             "stage i06_kezu; fade 1000 0; narration 1; [k03_syo1]; 少年 1 1; [-]",
             "music sukima; room with the boy; fade 1000 0; [k01_sib5]; 飛沫 2 1 2; [-]",
             "少年 2 3; music 0; [k01_sib3]; 飛沫 2 1; [-]",
             "narration 1 1 1 1",
             "music verdure; 少年 1; [k01_sib3]; 飛沫 1; [-]; narration 1 1",
             "少年 1; [k01_sib3]; 飛沫 2; [-]",
             "narration 1; [k01_sib6]; 飛沫 1; [-]; 少年 1",
             "stage i02_kibr; fade 1000 0; pause 750; stage i06_kezu; fade 1000 0",
             "narration 2",
             "room with the boy; fade 1000 0; music water2",
         },
         false,
         state_line(29, 9, 1, "water2")},
    });
}

TEST(SunlitRoom, NightRunAndTheLastVisitsHandTheStoryOn) {
    check({
        {"the night run",
         walk_in(32, 0),
         "move 0",
         {
             "stage h04_sumi",
             "boy layered; fade 1000 0; music mind+mig; narration 1",
             "stage i02_kibr; fade 1000 0; narration 1",
             "[k01_sib3]; 飛沫 1; [-]; 少年 1; [k01_sib3]; 飛沫 1; [-]; 少年 1 1",
             "[k01_sib0]; 飛沫 2; [-]; 少年 2; [k01_sib0]; 飛沫 3; [-]; 少年 1",
             "[k01_sib3]; 飛沫 1; [-]",
             "room with the boy; fade 1000 0; [k01_sib2]; 飛沫 1 3; [-]",
             "少年 2; [k01_sib3]; 飛沫 2 1; [-]",
             "少年 1 1; music seaside2; 少年 1; [k01_sib3]; 飛沫 1; [-]; 少年 1",
             "fade 1000 1; narration 1",
             "stage h04_s-de; fade 1000 0; pause 300; stage h04_siee; fade 1000 0",
             "pause 300; stage i09_star; fade 1000 0",
             "narration 1; [k01_sib3]; 飛沫 1; [k03_syo2]; 少年 1 1; [-]",
             "stage i10_dash; fade 1000 0; narration 2 1",
             "stage i11_lo01; fade 1000 0; pause 300; stage i11_lo02; fade 1000 0",
             "pause 300; stage i11_lo03; fade 1000 0; narration 1",
             "stage i10_dash; fade 1000 0; fade 1000 1; [k03_syo0]; 少年 1; [-]",
             "stage h06_koya; music shigure; fade 1000 0; narration 1 1",
         },
         true,
         state_line(32, 11, 1, "shigure")},
        {"he is there",
         walk_in(38, 0),
         "move 0",
         {"stage h04_sumi; boy layered; music mind+mig; fade 1000 0; narration 1"},
         false,
         state_line(39, 9, 0, "mind+mig")},
        // No picture before the first line: the room with the boy is still on screen.
        {"the eve of the exam",
         "",
         "talk",
         {
             "少年 2; [k01_sib0]; 飛沫 2; [-]",
             "少年 1 1 1; [k01_sib0]; 飛沫 2; [-]",
             "少年 3; [k01_sib3]; 飛沫 1; [-]; 少年 1; narration 1",
             "stage i06_kezu; fade 1000 0; narration 2 1",
             "fade 1000 1; music 0; narration 1",
             "stage i13_nyus; fade 1000 0; narration 1",
             "fade 1000 1; [k01_sib2]; 飛沫 1; stage i05_com; [-]; fade 1000 0; 飛沫 2",
             "narration 1",
             "stage h04_s-ie; fade 1000 0; narration 1 1",
             "stage i05_com; fade 1000 0; 飛沫 1",
             "music Up_mode2; stage i07_comk; fade 1000 0; narration 1; 飛沫 2 1",
             "fade 1000 1; narration 1 1",
             "stage i13_comk; fade 1000 0; narration 1; [k01_sib0]; 飛沫 2 1; [-]",
             "narration 2 1 1",
             "fade 1000 1; narration 1",
             "stage h03_sibu; fade 1000 0; [k01_sib0]; 飛沫 1; [-]; narration 2 1 2",
         },
         true,
         state_line(40, 10, 0, "Up_mode2")},
    });
}

TEST(SunlitRoom, BetweenScenesTheRoomShowsTheBoy) {
    std::vector<Scene> visits;
    for (int game : {8, 17, 25, 29, 39, 50, 99}) {
        visits.push_back({"arrival",
                          walk_in(game, 0),
                          "move 0",
                          {"stage h04_sumi; boy layered; fade 1000 0"},
                          false,
                          state_line(game, 9, 0, "balance")});
    }
    // Before she has found the room the picture is loaded but never brought on screen.
    visits.push_back({"too early",
                      walk_in(6, 1),
                      "move 0",
                      {"stage h04_sumi"},
                      false,
                      state_line(6, 9, 1, "balance")});
    check(visits);
}

TEST(SunlitRoom, TalkAndLookGiveTheirOneLineAndChangeNothing) {
    const std::string not_going = "message 少年「まだ帰らないの？」";
    const std::string look = "message 不思議な雰囲気の少年……。";
    const struct {
        int game;
        const char* command;
        std::string said;  // empty: nothing at all
    } asks[] = {
        {7, "talk", not_going},  {16, "talk", not_going},  // scenes wait for an arrival
        {38, "talk", not_going}, {40, "talk", not_going}, {0, "talk", not_going},
        {99, "talk", not_going}, {100, "talk", ""},       {255, "talk", ""},
        {0, "look", look},       {39, "look", look},      {99, "look", look},
        {200, "look", look},
    };
    std::string script = "new\n";
    for (const auto& a : asks)
        script += "set position=9 game=" + std::to_string(a.game) + "\n" + a.command + "\n";
    const std::vector<Played> got = replies(script);
    ASSERT_EQ(got.size(), std::size(asks));
    for (std::size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(std::string(asks[i].command) + " at " + std::to_string(asks[i].game));
        // The line, com, and the state as it was after the prologue.
        Lines expected;
        if (!asks[i].said.empty()) expected.push_back(asks[i].said);
        expected.push_back("face 0");
        expected.push_back(state_line(asks[i].game, 9, 0, "up_mode2"));
        EXPECT_EQ(got[i].lines(), expected);
    }
}

}  // namespace
}  // namespace hazama::testing
