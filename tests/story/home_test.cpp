// The dining room at home: each story event on the runner's trace, the hand-overs to the
// locations it leads on to, the plain arrivals by story value, talk and look.
#include <map>
#include <sstream>

#include "harness.h"
#include "scene_shape.h"

namespace hazama::testing {
namespace {

using Lines = std::vector<std::string>;

// Expands the "; "-separated shorthand of the tables below into the shaped trace lines it
// stands for: "母 2" a two-line message of the mother, "飛沫 1", "narr 1"; "pic NAME" a
// background; "mother" the mother laid over it; "music NAME" a piece (0 stops it); "com"
// what a closing com leaves in the trace; "state ..." the state line a command ends with.
Lines expand(const std::string& steps) {
    Lines out;
    std::size_t from = 0;
    while (from < steps.size()) {
        const auto end = std::min(steps.find("; ", from), steps.size());
        const std::string step = steps.substr(from, end - from);
        from = end + 2;
        const auto space = step.find(' ');
        const std::string head = step.substr(0, space);
        const std::string arg = space == std::string::npos ? "" : step.substr(space + 1);
        if (head == "母") {
            out.push_back("message 飛沫の母「 lines=" + arg);
        } else if (head == "飛沫") {
            out.push_back("message 飛沫「 lines=" + arg);
        } else if (head == "narr") {
            out.push_back("message lines=" + arg);
        } else if (head == "pic") {
            out.push_back("picture 1 gra/" + arg + ".jpg");
        } else if (head == "mother") {
            out.insert(out.end(), {"picture 2 gra/c01_haha.jpg", "mask 1", "lay 256 0"});
        } else if (head == "music" && arg == "0") {
            out.push_back("mci close x1");
        } else if (head == "music") {
            out.insert(out.end(), {"mci close x1", "mci open " + arg, "mci play x1"});
        } else if (head == "com") {
            out.push_back("face 0");
        } else {
            out.push_back(step);
        }
    }
    return out;
}

struct Event {
    std::string what;
    std::string setup;    // runner lines before the command
    std::string command;  // "move 0" from her room is the way down into the dining room
    std::string steps;    // the shaped trace of the command, in shorthand
};

void check(const std::vector<Event>& events) {
    for (const Event& e : events) {
        SCOPED_TRACE(e.what);
        const Played played = play("new\n" + e.setup + "\n" + e.command + "\n");
        ASSERT_EQ(played.status, 0) << played.errors;
        EXPECT_EQ(scene_shape(played.after(e.command)), expand(e.steps));
    }
}

// Runs `command` once for each story value in one game, from a state set by `setup` (which
// ends with "game="), and returns the trace of each run.
std::map<int, Played> at_each(const std::vector<int>& games, const std::string& setup,
                              const std::string& command) {
    std::string script = "new\n";
    for (int game : games) script += setup + std::to_string(game) + "\n" + command + "\n";
    const Played played = play(script);
    EXPECT_EQ(played.status, 0) << played.errors;
    std::map<int, Played> out;
    std::size_t next = 0;
    bool inside = false;
    for (const std::string& line : played.lines()) {
        if (line.rfind("> ", 0) == 0) {
            inside = line == "> " + command && next < games.size();
            if (inside) ++next;
        } else if (inside) {
            out[games[next - 1]].trace += line + "\n";
        }
    }
    return out;
}

const char* const kDownstairs = "move 0";

TEST(Home, ShortEventsAtTheTable) {
    check({
        {"late home before the test", "set game=9 position=10 light=1 music=mind2", kDownstairs,
         "pic h03_syod; mother; fade 1000 0; 母 2; face k01_sib0; 飛沫 1; face 0; com; "
         "state game=10 position=4 light=1 f00=0 x00=0 music=mind2"},
        {"told to study", "set game=12 position=10 light=1 music=mind2", kDownstairs,
         "pic h03_syod; mother; fade 1000 0; 母 1; com; "
         "state game=13 position=4 light=1 f00=0 x00=0 music=mind2"},
        {"dinner not ready", "set game=14 position=10 light=1 music=mind2", kDownstairs,
         "pic h03_syod; mother; fade 1000 0; 母 1; com; "
         "state game=15 position=4 light=1 f00=0 x00=0 music=mind2"},
        {"the test went well", "set game=21 position=10 light=0 music=star2", kDownstairs,
         "pic h03_syod; mother; fade 1000 0; 母 1; face k01_sib0; 飛沫 1; face 0; com; "
         "state game=22 position=4 light=0 f00=0 x00=0 music=star2"},
        // The last portrait stays until the closing com takes it away.
        {"the apology", "set game=29 position=10 light=1 music=water2", kDownstairs,
         "pic h03_syod; mother; fade 1000 0; 母 1; face k01_sib2; 飛沫 1; face k01_sib0; 飛沫 1; "
         "face 0; 母 2; face k01_sib3; 飛沫 1; face k01_sib0; 飛沫 1; com; "
         "state game=30 position=4 light=1 f00=0 x00=0 music=water2"},
    });
}

TEST(Home, TheLongScenesAndWhereTheyLeaveHer) {
    const std::string table = "pic h03_syod; mother; fade 1000 0; ";
    check({
        {"the lecture; the night at the desk ends upstairs with a new day",
         "set game=18 position=10 light=1 music=mind+mig", kDownstairs,
         table + "母 1; face k01_sib1; 飛沫 1; face 0; narr 1; pic h03_sibu; fade 1000 0; narr 1; "
                 "narr 2; narr 1; pic i04_bnky; fade 1000 0; narr 1; narr 2; narr 2; pic h03_sibu; "
                 "fade 1000 0; music up_mode2; com; "
                 "state game=19 position=10 light=0 f00=0 x00=0 music=up_mode2"},
        // The house front arrives while the story still holds 19, and ends with its own com.
        {"the morning after: out of the door", "set game=19 position=10 light=0 music=up_mode2",
         kDownstairs,
         table + "母 1; face k01_sib0; 飛沫 1; face 0; 母 2; face k01_sib0; 飛沫 1; face 0; 母 1; "
                 "narr 1; pic h03_ie; fade 1000 0; com; com; "
                 "state game=20 position=1 light=0 f00=0 x00=0 music=up_mode2"},
        // The hallway arrives inside the scene (still at 27, so it starts no music), and one
        // more line follows before the story stands inside at 28.
        {"the quarrel", "set game=27 position=10 light=0 music=mind", kDownstairs,
         table +
             "music 0; 母 1; face k01_sib2; 飛沫 1; music mind2; face 0; 母 2; face k01_sib2; "
             "飛沫 1; face 0; 母 2; 母 1; narr 1; music 0; face k01_sib4; 飛沫 2; face 0; narr 1; "
             "pic h03_ie; fade 1000 0; narr 1; narr 2; narr 2; pic h04_s-ie; fade 1000 0; "
             "narr 1; pic h04_s-dc; fade 1000 0; pic h04_s-do; fade 1000 0; "
             "pic h04_s-rk; fade 1000 0; com; narr 1; com; "
             "state game=28 position=7 light=0 f00=0 x00=0 music=0"},
        // Ends on the road before his house at dusk, without the lit window.
        {"her mother's account", "set game=43 position=4 light=0 music=mind", "talk",
         "face k01_sib3; 飛沫 1; face 0; 母 1; 母 2; narr 1; 母 2; 母 2; 母 2; 母 1; music 0; "
         "face k01_sib4; 飛沫 1; face 0; pic h03_ied; fade 1000 0; narr 1; pic i14_dash; "
         "fade 1000 0; narr 1; narr 1; pic h04_s-dc; fade 1000 0; narr 2; narr 1; "
         "face k01_sib1; 飛沫 1; face 0; narr 1; pic i14_thrw; fade 1000 0; narr 1; "
         "music sukima; pic i14_gara; fade 1000 0; narr 1; narr 1; face k01_sib2; 飛沫 1; "
         "face 0; pic h04_siee; fade 1000 0; com; com; "
         "state game=44 position=3 light=1 f00=0 x00=0 music=sukima"},
        // Where the hut stood, the story moves on to 46 by itself.
        {"the father's carving", "set game=45 position=10 light=1 music=mind+mie", kDownstairs,
         table + "母 1; 母 3; music shigure; face k01_sib3; 飛沫 1; pic i14_inos; fade 1000 0; "
                 "飛沫 1; face 0; narr 2; narr 2; face k01_sib1; 飛沫 1; 飛沫 1; face k01_sib3; "
                 "飛沫 1; face 0; narr 1; stardust; pic h03_syod; mother; fade 50 0; "
                 "face k01_sib3; 飛沫 1; face 0; pic i11_lo01; reverse; fade 1000 0; narr 1; "
                 "pic i11_lo02; reverse; fade 1000 0; pause 300; pic i11_lo03; reverse; "
                 "fade 1000 0; narr 2; pic i11_lo03; reverse; fade 1000 0; com; com; "
                 "state game=46 position=14 light=1 f00=0 x00=0 music=shigure"},
    });
}

TEST(Home, PlainArrivalsShowTheTableByStoryValueWithTheMother) {
    const std::vector<int> games = {1, 3, 4, 10, 11, 13, 20, 30, 44, 46, 48, 99};
    const auto arrived = at_each(games, "set position=10 light=0 music=mind game=", kDownstairs);
    for (int game : games) {
        const bool morning = game <= 3 || game == 11;
        EXPECT_EQ(scene_shape(arrived.at(game)),
                  expand(std::string(morning ? "pic h03_syok" : "pic h03_syod") +
                         "; mother; fade 1000 0; com; state game=" + std::to_string(game) +
                         " position=4 light=0 f00=0 x00=0 music=mind"))
            << "game " << game;
    }
}

TEST(Home, TalkAndLook) {
    const auto talk = at_each({0, 4, 5, 9, 10, 11, 12, 30, 37, 39, 40, 42, 44, 99, 100},
                              "set position=4 light=1 game=", "talk");
    const auto said = [&](int game) { return talk.at(game).of("message"); };
    const auto shape = [&](int game) {
        Lines out;
        for (const std::string& m : said(game)) out.push_back(message_shape(m.substr(8)));
        return out;
    };
    EXPECT_EQ(shape(0), expand("母 1; 母 1"));
    for (int game : {5, 10, 11, 30, 40, 44}) EXPECT_EQ(shape(game), expand("母 1")) << game;
    EXPECT_TRUE(said(100).empty());

    // Same lines within a range, different lines across ranges; 11 repeats the hurry to
    // school, and 10 is not the homecoming of 5 to 9.
    EXPECT_EQ(said(0), said(4));
    EXPECT_EQ(said(5), said(9));
    EXPECT_EQ(said(11), Lines{said(0).at(1)});
    EXPECT_EQ(said(10), said(12));
    EXPECT_EQ(said(10), said(39));
    EXPECT_EQ(said(40), said(42));
    EXPECT_EQ(said(44), said(99));
    const Lines distinct[] = {said(5), said(10), said(30), said(40), said(44)};
    for (std::size_t i = 0; i < std::size(distinct); ++i)
        for (std::size_t j = i + 1; j < std::size(distinct); ++j)
            EXPECT_NE(distinct[i], distinct[j]) << i << " " << j;

    // Coming home late after the roof: she covers for herself, and nothing moves on.
    EXPECT_EQ(scene_shape(talk.at(37)),
              expand("母 1; face k01_sib0; 飛沫 1; face 0; 母 1; 母 1; com; "
                     "state game=37 position=4 light=1 f00=0 x00=0 music=up_mode2"));

    const auto looked = at_each({0, 27, 45, 100, 255}, "set position=4 game=", "look");
    for (const auto& [game, played] : looked) {
        EXPECT_EQ(scene_shape(played), expand("narr 2; com; state game=" + std::to_string(game) +
                                              " position=4 light=0 f00=0 x00=0 music=up_mode2"));
        EXPECT_EQ(played.of("message"), looked.at(0).of("message"));
    }
}

}  // namespace
}  // namespace hazama::testing
