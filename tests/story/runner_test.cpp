// The story runner's own promises: the command language, refusals, the state line after
// every command, and what happens at a position no routine answers.
#include "harness.h"

namespace hazama::testing {
namespace {

TEST(Runner, RejectsLinesItCannotParse) {
    for (const char* bad : {"dance", "move 4", "move", "wait soon", "set game", "set mood=3",
                            "set game=256", "look now", "save"}) {
        const Played played = play(std::string("new\n") + bad + "\n");
        EXPECT_EQ(played.status, 2) << bad;
        EXPECT_NE(played.errors.find("line 2"), std::string::npos) << bad << ": " << played.errors;
    }
    // Comments and blank lines are no commands.
    EXPECT_EQ(play("# nothing yet\n\n   \n").status, 0);
}

TEST(Runner, EveryCommandEndsWithTheStateAndIdleAtF00Zero) {
    const Played played =
        play("set game=5 position=3\nnew\nlook\ntalk\nmove close\nmove 3\nwait 2000\nmusic-ends\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    const auto states = played.of("state");
    ASSERT_EQ(states.size(), 8u);
    for (const auto& state : states) EXPECT_NE(state.find(" f00=0 "), std::string::npos) << state;
    EXPECT_NE(states.back().find("game=5 position=3"), std::string::npos);
    // The chooser opened twice and nobody moved.
    EXPECT_EQ(played.of("chooser").size(), 2u);
}

TEST(Runner, RefusesButtonsThatAreHiddenOrDisabled) {
    // On the title screen only new game and load are there.
    Played played = play("look\ntalk\nmove 0\nsave /tmp/never.hzm\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    EXPECT_EQ(played.of("refused").size(), 4u);

    // A position no routine answers leaves the buttons disabled after the first command,
    // load included: every later command is refused and only quitting is left.
    played = play("set game=10 position=20\nnew\nlook\ntalk\nload /tmp/none.hzm\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    EXPECT_EQ(played.after("look").of("message").size(), 0u);
    EXPECT_EQ(played.after("look").of("refused").size(), 1u);
    EXPECT_EQ(played.after("talk").of("refused").size(), 1u);
    EXPECT_EQ(played.after("load /tmp/none.hzm").of("refused").size(), 1u);
}

TEST(Runner, QuitClosesTheMusicAndStopsReading) {
    const Played played = play("new\nquit\nlook\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    const auto lines = played.after("quit").lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "mci close x1");
    EXPECT_EQ(played.trace.find("> look"), std::string::npos);
}

}  // namespace
}  // namespace hazama::testing
