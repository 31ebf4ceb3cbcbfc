// The dining room at home: each story event on the runner's trace, the hand-overs to the
// locations it leads on to, the plain arrivals by story value, talk and look.
#include <map>

#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

// The mother laid over the table.
const NamedSteps kMother = {{"mother", {"picture 2 gra/c01_haha.jpg", "mask 1", "lay 256 0"}}};

struct Event {
    std::string what;
    std::string setup;    // runner lines before the command
    std::string command;  // "move 0" from her room is the way down into the dining room
    Lines steps;          // the shaped trace of the command, in short hand
};

void check(const std::vector<Event>& events) {
    for (const Event& e : events) {
        SCOPED_TRACE(e.what);
        EXPECT_EQ(shape(reply_to(e.setup, e.command)), expand(e.steps, kMother));
    }
}

// Runs `command` once for each story value in one game, from a state set by `setup` (which
// ends with "game="), and returns the trace of each run.
std::map<int, Played> at_each(const std::vector<int>& games, const std::string& setup,
                              const std::string& command) {
    std::string script = "new\n";
    for (int game : games) script += setup + std::to_string(game) + "\n" + command + "\n";
    const std::vector<Played> got = replies(script);
    EXPECT_EQ(got.size(), games.size());
    std::map<int, Played> out;
    for (std::size_t i = 0; i < games.size() && i < got.size(); ++i) out[games[i]] = got[i];
    return out;
}

const char* const kDownstairs = "move 0";

// Walking down from her room at `game`: the table and the mother, `steps`, the closing com,
// and the story at the next value.
Event at_table(const char* what, int game, int light, const std::string& music,
               const std::string& steps) {
    return {what,
            "set game=" + std::to_string(game) + " position=10 light=" + std::to_string(light) +
                " music=" + music,
            kDownstairs,
            {"stage h03_syod; mother; fade 1000 0", steps, "[-]",
             state_line(game + 1, 4, light, music)}};
}

TEST(Home, ShortEventsAtTheTable) {
    check({
        at_table("late home before the test", 9, 1, "mind2", "飛沫の母 2; [k01_sib0]; 飛沫 1; [-]"),
        at_table("told to study", 12, 1, "mind2", "飛沫の母 1"),
        at_table("dinner not ready", 14, 1, "mind2", "飛沫の母 1"),
        at_table("the test went well", 21, 0, "star2", "飛沫の母 1; [k01_sib0]; 飛沫 1; [-]"),
        // The last portrait stays until the closing com takes it away.
        at_table("the apology", 29, 1, "water2",
                 "飛沫の母 1; [k01_sib2]; 飛沫 1; [k01_sib0]; 飛沫 1; [-]; "
                 "飛沫の母 2; [k01_sib3]; 飛沫 1; [k01_sib0]; 飛沫 1"),
    });
}

TEST(Home, TheLongScenesAndWhereTheyLeaveHer) {
    const std::string table = "stage h03_syod; mother; fade 1000 0";
    check({
        {"the lecture; the night at the desk ends upstairs with a new day",
         "set game=18 position=10 light=1 music=mind+mig",
         kDownstairs,
         {table, "飛沫の母 1; [k01_sib1]; 飛沫 1; [-]; narration 1",
          "stage h03_sibu; fade 1000 0; narration 1 2 1",
          "stage i04_bnky; fade 1000 0; narration 1 2 2",
          "stage h03_sibu; fade 1000 0; music up_mode2; [-]", state_line(19, 10, 0, "up_mode2")}},
        // The house front arrives while the story still holds 19, and ends with its own com.
        {"the morning after: out of the door",
         "set game=19 position=10 light=0 music=up_mode2",
         kDownstairs,
         {table, "飛沫の母 1; [k01_sib0]; 飛沫 1; [-]; 飛沫の母 2; [k01_sib0]; 飛沫 1; [-]",
          "飛沫の母 1; narration 1; stage h03_ie; fade 1000 0; [-]; [-]",
          state_line(20, 1, 0, "up_mode2")}},
        // The hallway arrives inside the scene (still at 27, so it starts no music), and one
        // more line follows before the story stands inside at 28.
        {"the quarrel",
         "set game=27 position=10 light=0 music=mind",
         kDownstairs,
         {table, "music 0; 飛沫の母 1; [k01_sib2]; 飛沫 1; music mind2; [-]",
          "飛沫の母 2; [k01_sib2]; 飛沫 1; [-]; 飛沫の母 2 1; narration 1",
          "music 0; [k01_sib4]; 飛沫 2; [-]; narration 1",
          "stage h03_ie; fade 1000 0; narration 1 2 2", "stage h04_s-ie; fade 1000 0; narration 1",
          "stage h04_s-dc; fade 1000 0; stage h04_s-do; fade 1000 0",
          "stage h04_s-rk; fade 1000 0; [-]; narration 1; [-]", state_line(28, 7, 0, "0")}},
        // Ends on the road before his house at dusk, without the lit window.
        {"her mother's account",
         "set game=43 position=4 light=0 music=mind",
         "talk",
         {"[k01_sib3]; 飛沫 1; [-]; 飛沫の母 1 2; narration 1; 飛沫の母 2 2 2 1",
          "music 0; [k01_sib4]; 飛沫 1; [-]", "stage h03_ied; fade 1000 0; narration 1",
          "stage i14_dash; fade 1000 0; narration 1 1",
          "stage h04_s-dc; fade 1000 0; narration 2 1; [k01_sib1]; 飛沫 1; [-]; narration 1",
          "stage i14_thrw; fade 1000 0; narration 1",
          "music sukima; stage i14_gara; fade 1000 0; narration 1 1; [k01_sib2]; 飛沫 1; [-]",
          "stage h04_siee; fade 1000 0; [-]; [-]", state_line(44, 3, 1, "sukima")}},
        // Where the hut stood, the story moves on to 46 by itself.
        {"the father's carving",
         "set game=45 position=10 light=1 music=mind+mie",
         kDownstairs,
         {table, "飛沫の母 1 3; music shigure; [k01_sib3]; 飛沫 1",
          "stage i14_inos; fade 1000 0; 飛沫 1; [-]; narration 2 2",
          "[k01_sib1]; 飛沫 1 1; [k01_sib3]; 飛沫 1; [-]; narration 1",
          "stardust; stage h03_syod; mother; fade 50 0; [k01_sib3]; 飛沫 1; [-]",
          "stage i11_lo01; reverse; fade 1000 0; narration 1",
          "stage i11_lo02; reverse; fade 1000 0; pause 300",
          "stage i11_lo03; reverse; fade 1000 0; narration 2",
          "stage i11_lo03; reverse; fade 1000 0; [-]; [-]", state_line(46, 14, 1, "shigure")}},
    });
}

TEST(Home, PlainArrivalsShowTheTableByStoryValueWithTheMother) {
    const std::vector<int> games = {1, 3, 4, 10, 11, 13, 20, 30, 44, 46, 48, 99};
    const auto arrived = at_each(games, "set position=10 light=0 music=mind game=", kDownstairs);
    for (int game : games) {
        const bool morning = game <= 3 || game == 11;
        EXPECT_EQ(shape(arrived.at(game)),
                  expand({morning ? "stage h03_syok" : "stage h03_syod", "mother; fade 1000 0; [-]",
                          state_line(game, 4, 0, "mind")},
                         kMother))
            << "game " << game;
    }
}

TEST(Home, TalkAndLook) {
    const auto talk = at_each({0, 4, 5, 9, 10, 11, 12, 30, 37, 39, 40, 42, 44, 99, 100},
                              "set position=4 light=1 game=", "talk");
    const auto said = [&](int game) { return talk.at(game).of("message"); };
    EXPECT_EQ(message_shapes(talk.at(0)), (Lines{"飛沫の母 1", "飛沫の母 1"}));
    for (int game : {5, 10, 11, 30, 40, 44})
        EXPECT_EQ(message_shapes(talk.at(game)), Lines{"飛沫の母 1"}) << game;
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
    EXPECT_EQ(shape(talk.at(37)), expand({"飛沫の母 1; [k01_sib0]; 飛沫 1; [-]; 飛沫の母 1 1; [-]",
                                          state_line(37, 4, 1, "up_mode2")}));

    const auto looked = at_each({0, 27, 45, 100, 255}, "set position=4 game=", "look");
    for (const auto& [game, played] : looked) {
        EXPECT_EQ(shape(played), expand({"narration 2; [-]", state_line(game, 4, 0, "up_mode2")}));
        EXPECT_EQ(played.of("message"), looked.at(0).of("message"));
    }
}

}  // namespace
}  // namespace hazama::testing
