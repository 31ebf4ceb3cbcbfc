// The sunlit room of the boy's house: its six arrival scenes, the talk on the eve of the
// exam, the two hand-overs, the plain arrivals, and what talk and look say in between.
#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "scene_checks.h"

namespace hazama::testing {
namespace {

using Lines = std::vector<std::string>;

// The expectation tables are written in a short hand close to the scripts they check:
//   "飛沫 1 2"           two messages of 飛沫, of one and of two lines
//   "narration 1 3"      likewise for narration
//   "[k01_sib3]", "[-]"  a portrait shown, the portrait removed
//   "plane1 i02_kibr"    that picture loaded into the stage
//   "music NAME"         a piece started ("music 0": the music stopped)
// and the named steps of kSteps. Anything else stands for itself.
const std::map<std::string, Lines> kSteps = {
    {"boy layered", {"picture 2 gra/c04_syon.jpg", "mask 4", "lay 256 0"}},
    {"room with the boy",
     {"picture 1 gra/h04_sumi.jpg", "picture 2 gra/c04_syon.jpg", "mask 4", "lay 256 0"}},
};

// A table row holds the steps of one row of a scene, separated by "; ".
Lines steps_of(const Lines& rows) {
    Lines out;
    for (const std::string& row : rows) {
        for (std::size_t from = 0;;) {
            const auto at = row.find("; ", from);
            out.push_back(row.substr(from, at - from));
            if (at == std::string::npos) break;
            from = at + 2;
        }
    }
    return out;
}

Lines expand(const Lines& rows) {
    Lines out;
    for (const std::string& step : steps_of(rows)) {
        std::istringstream words(step);
        std::string head;
        words >> head;
        if (const auto named = kSteps.find(step); named != kSteps.end()) {
            out.insert(out.end(), named->second.begin(), named->second.end());
        } else if (head == "飛沫" || head == "少年" || head == "narration") {
            for (std::string lines; words >> lines;) out.push_back(head + " " + lines);
        } else if (step == "[-]") {
            out.push_back("face 0");
        } else if (step.front() == '[') {
            out.push_back("face " + step.substr(1, step.size() - 2));
        } else if (head == "plane1") {
            std::string name;
            words >> name;
            out.push_back("picture 1 gra/" + name + ".jpg");
        } else {
            out.push_back(step);
        }
    }
    return out;
}

// A command's trace in the same short hand: a message becomes its speaker ("narration" when
// it has none) and its number of lines, a piece of music its name; the state line and the
// chooser are left out.
Lines shape(const Played& played) {
    const Lines raw = played.lines();
    Lines out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::string& line = raw[i];
        if (line.rfind("message ", 0) == 0) {
            const std::string text = line.substr(8);
            std::string who = "narration";
            for (const char* name : {"飛沫の母", "飛沫", "蓮美", "少年"}) {
                if (text.rfind(std::string(name) + "「", 0) == 0) {
                    who = name;
                    break;
                }
            }
            int lines = 1;
            for (auto at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 2))
                ++lines;
            out.push_back(who + " " + std::to_string(lines));
        } else if (line == "mci close x1" && i + 2 < raw.size() &&
                   raw[i + 1].rfind("mci open \"", 0) == 0 && raw[i + 2] == "mci play x1") {
            const std::string& open = raw[i + 1];
            const auto from = open.rfind("/music/") + 7;
            out.push_back("music " + open.substr(from, open.find(".mid\"") - from));
            i += 2;
        } else if (line == "mci close x1") {
            out.push_back("music 0");
        } else if (line.rfind("chooser ", 0) != 0 && line.rfind("state ", 0) != 0) {
            out.push_back(line);
        }
    }
    return out;
}

std::string state_after(const Played& played) {
    const Lines states = played.of("state");
    return states.empty() ? "" : states.back();
}

struct Scene {
    const char* name;
    std::string setup;    // runner lines before the command
    const char* command;  // "move 0" from the hallway walks into the room
    Lines script;         // in short hand, up to the routine's own com
    bool hands_over;      // another routine runs after the script, before our com
    std::string after;    // the state line the command ends with
};

// The state line a command ends with (f00 is back at 0; x00 is never touched here).
std::string state(int game, int position, int light, const std::string& music) {
    return "state game=" + std::to_string(game) + " position=" + std::to_string(position) +
           " light=" + std::to_string(light) + " f00=0 x00=0 music=" + music;
}

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
        const Lines expected = expand(scene.script);
        const Lines shaped = shape(got[i]);
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
             "plane1 h04_sumi",
             "fade 1000 0; [k01_sib3]; music 0; 飛沫 1; [-]",
             "boy layered; fade 1000 0; narration 1",
             "[k01_sib3]; 飛沫 1 1; [-]; 少年 1",
             "[k01_sib1]; 飛沫 1 1 1 1 1; [k01_sib3]; 飛沫 1; [-]",
             "少年 1; [k01_sib3]; 飛沫 1 1; [-]; 少年 1; [k01_sib3]; 飛沫 1; [-]",
             "music mind+mig; narration 1 3 1 1 1 2 2",
             "plane1 i02_kibr; fade 1000 0; narration 1; [k01_sib0]; 飛沫 1; [-]; 少年 1",
             "plane1 i03_usa; fade 1000 0; narration 1; [k01_sib3]; 飛沫 1; [k03_syo0]; 少年 1",
             "[k01_sib3]; 飛沫 1; [k03_syo0]; 少年 1; [k01_sib0]; 飛沫 1; [-]",
             "plane1 i02_kibr; fade 1000 0; 少年 2 1; [k01_sib2]; 飛沫 1 1; [-]; 少年 1 1",
             "[k01_sib0]; 飛沫 1; [-]; 少年 1; [k01_sib3]; 飛沫 1; [-]",
             "plane1 h04_sote; fade 1000 0; narration 1; [k01_sib0]; 飛沫 1; [-]",
             "room with the boy; fade 1000 0; 少年 1",
             "music mind2",
         },
         false,
         state(8, 9, 1, "mind2")},
        {"carving lesson",
         walk_in(16, 1) + "save " + save + "\nset game=3 position=2\nload " + save + "\n",
         "move 0",
         {
             "plane1 h04_sumi",
             "fade 1000 0; music mind+mig; boy layered; fade 1000 0",
             "少年 1; [k01_sib0]; 飛沫 1; [-]",
             "plane1 i02_kibr; fade 1000 0; narration 1",
             "[k01_sib0]; 飛沫 1; [-]; 少年 1; [k01_sib0]; 飛沫 1; [-]; 少年 1",
             "[k01_sib3]; 飛沫 1; [-]; 少年 1; [k01_sib3]; 飛沫 2; [-]; 少年 1",
             "[k01_sib2]; 飛沫 1; [-]",
             "narration 1 1; [k01_sib2]; 飛沫 1; [-]; 少年 1",
             "[k01_sib2]; 飛沫 2; [-]; 少年 1; [k01_sib2]; 飛沫 2 1; [-]",
             "少年 1 1; [k01_sib3]; 飛沫 1; [-]; 少年 1",
             "fade 1000 1; narration 1",
             "room with the boy; fade 1000 0; 少年 1; [k01_sib0]; 飛沫 1; [-]",
             "plane1 i06_kezu; fade 1000 0; narration 1 1 1 1 1",
             "plane1 i03_usa; fade 1000 0; [k03_syo2]; 少年 1; [-]",
             "room with the boy; fade 1000 0; 少年 1 1; [k01_sib0]; 飛沫 1; [-]",
             "narration 2 2 1 2",
         },
         false,
         state(17, 9, 1, "mind+mig")},
    });
}

TEST(SunlitRoom, FinishedRabbitAndConfession) {
    check({
        {"the finished rabbit",
         walk_in(24, 0),
         "move 0",
         {
             "plane1 h04_sumi",
             "fade 1000 0; music mind+mig; boy layered; fade 1000 0",
             "少年 1; [k01_sib0]; 飛沫 1 2; [-]",
             "少年 1; [k01_sib0]; 飛沫 1 2 1; [-]",
             "少年 1 2 2; [k01_sib0]; 飛沫 1; [-]",
             "fade 1000 1; narration 1 1",
             "room with the boy; fade 1000 0; 少年 1",
             "fade 1000 1; narration 3 1",
             "plane1 i03_usa2; fade 1000 0; [k03_syo0]; 少年 2 1; [k01_sib0]; 飛沫 2 1",
             "[k03_syo0]; 少年 1 2; [k01_sib0]; 飛沫 1 1 2; [-]",
             "room with the boy; fade 1000 0; 少年 2 2; [k01_sib0]; 飛沫 1; [-]; 少年 1",
             "[k01_sib0]; 飛沫 1; [-]; 少年 1",
             "music water2",
         },
         false,
         state(25, 9, 1, "water2")},
        // Her mother's face flashes up while her own portrait stays; the handkerchief is the
        // wider figure, laid with its own size.
        {"tears and confession",
         walk_in(28, 0),
         "move 0",
         {
             "plane1 h04_sumi",
             "boy layered; fade 1000 0; music mind+mif",
             "narration 1; [k01_sib2]; 飛沫 1",
             "plane1 h03_syod; picture 2 gra/c01_haha.jpg; mask 1; lay 256 0; fade 1000 0",
             "pause 1000",
             "room with the boy; fade 1000 0; narration 3; [k01_sib5]; 飛沫 1; [-]",
             "plane1 h04_sumi; picture 2 gra/c05_syoh.jpg; mask 5; lays 256 0 196 384",
             "fade 1000 0; narration 1 1",
             "fade 1000 1; [k01_sib5]; 飛沫 1; [-]; narration 1 1",
             "room with the boy; fade 1000 0; narration 1; 少年 1; narration 1 1 1 2",
             "少年 1 2; [k01_sib1]; 飛沫 1 1 1; [-]",
             "plane1 i06_kezu; fade 1000 0; narration 1; [k03_syo1]; 少年 1 1; [-]",
             "music sukima; room with the boy; fade 1000 0; [k01_sib5]; 飛沫 2 1 2; [-]",
             "少年 2 3; music 0; [k01_sib3]; 飛沫 2 1; [-]",
             "narration 1 1 1 1",
             "music verdure; 少年 1; [k01_sib3]; 飛沫 1; [-]; narration 1 1",
             "少年 1; [k01_sib3]; 飛沫 2; [-]",
             "narration 1; [k01_sib6]; 飛沫 1; [-]; 少年 1",
             "plane1 i02_kibr; fade 1000 0; pause 750; plane1 i06_kezu; fade 1000 0",
             "narration 2",
             "room with the boy; fade 1000 0; music water2",
         },
         false,
         state(29, 9, 1, "water2")},
    });
}

TEST(SunlitRoom, NightRunAndTheLastVisitsHandTheStoryOn) {
    check({
        {"the night run",
         walk_in(32, 0),
         "move 0",
         {
             "plane1 h04_sumi",
             "boy layered; fade 1000 0; music mind+mig; narration 1",
             "plane1 i02_kibr; fade 1000 0; narration 1",
             "[k01_sib3]; 飛沫 1; [-]; 少年 1; [k01_sib3]; 飛沫 1; [-]; 少年 1 1",
             "[k01_sib0]; 飛沫 2; [-]; 少年 2; [k01_sib0]; 飛沫 3; [-]; 少年 1",
             "[k01_sib3]; 飛沫 1; [-]",
             "room with the boy; fade 1000 0; [k01_sib2]; 飛沫 1 3; [-]",
             "少年 2; [k01_sib3]; 飛沫 2 1; [-]",
             "少年 1 1; music seaside2; 少年 1; [k01_sib3]; 飛沫 1; [-]; 少年 1",
             "fade 1000 1; narration 1",
             "plane1 h04_s-de; fade 1000 0; pause 300; plane1 h04_siee; fade 1000 0",
             "pause 300; plane1 i09_star; fade 1000 0",
             "narration 1; [k01_sib3]; 飛沫 1; [k03_syo2]; 少年 1 1; [-]",
             "plane1 i10_dash; fade 1000 0; narration 2 1",
             "plane1 i11_lo01; fade 1000 0; pause 300; plane1 i11_lo02; fade 1000 0",
             "pause 300; plane1 i11_lo03; fade 1000 0; narration 1",
             "plane1 i10_dash; fade 1000 0; fade 1000 1; [k03_syo0]; 少年 1; [-]",
             "plane1 h06_koya; music shigure; fade 1000 0; narration 1 1",
         },
         true,
         state(32, 11, 1, "shigure")},
        {"he is there",
         walk_in(38, 0),
         "move 0",
         {"plane1 h04_sumi; boy layered; music mind+mig; fade 1000 0; narration 1"},
         false,
         state(39, 9, 0, "mind+mig")},
        // No picture before the first line: the room with the boy is still on screen.
        {"the eve of the exam",
         "",
         "talk",
         {
             "少年 2; [k01_sib0]; 飛沫 2; [-]",
             "少年 1 1 1; [k01_sib0]; 飛沫 2; [-]",
             "少年 3; [k01_sib3]; 飛沫 1; [-]; 少年 1; narration 1",
             "plane1 i06_kezu; fade 1000 0; narration 2 1",
             "fade 1000 1; music 0; narration 1",
             "plane1 i13_nyus; fade 1000 0; narration 1",
             "fade 1000 1; [k01_sib2]; 飛沫 1; plane1 i05_com; [-]; fade 1000 0; 飛沫 2",
             "narration 1",
             "plane1 h04_s-ie; fade 1000 0; narration 1 1",
             "plane1 i05_com; fade 1000 0; 飛沫 1",
             "music Up_mode2; plane1 i07_comk; fade 1000 0; narration 1; 飛沫 2 1",
             "fade 1000 1; narration 1 1",
             "plane1 i13_comk; fade 1000 0; narration 1; [k01_sib0]; 飛沫 2 1; [-]",
             "narration 2 1 1",
             "fade 1000 1; narration 1",
             "plane1 h03_sibu; fade 1000 0; [k01_sib0]; 飛沫 1; [-]; narration 2 1 2",
         },
         true,
         state(40, 10, 0, "Up_mode2")},
    });
}

TEST(SunlitRoom, BetweenScenesTheRoomShowsTheBoy) {
    std::vector<Scene> visits;
    for (int game : {8, 17, 25, 29, 39, 50, 99}) {
        visits.push_back({"arrival",
                          walk_in(game, 0),
                          "move 0",
                          {"plane1 h04_sumi; boy layered; fade 1000 0"},
                          false,
                          state(game, 9, 0, "balance")});
    }
    // Before she has found the room the picture is loaded but never brought on screen.
    visits.push_back({"too early",
                      walk_in(6, 1),
                      "move 0",
                      {"plane1 h04_sumi"},
                      false,
                      state(6, 9, 1, "balance")});
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
        expected.push_back(state(asks[i].game, 9, 0, "up_mode2"));
        EXPECT_EQ(got[i].lines(), expected);
    }
}

}  // namespace
}  // namespace hazama::testing
