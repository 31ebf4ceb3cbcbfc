// The story runner's own promises: the command language, refusals, the state line after
// every command, and what happens at a position no routine answers.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

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

TEST(Runner, SavesAndLoadsThatFailAreTold) {
    // A save under a plain file cannot be created; this process's own memory cannot be read
    // from its unmapped start.
    const std::string folder = ::testing::TempDir() + "runner_failures";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/plain") << "a file, not a folder";
    const std::string save = "save " + folder + "/plain/slot.hzm";
    const Played played = play("new\n" + save + "\nload /proc/self/mem\n");
    ASSERT_EQ(played.status, 0) << played.errors;

    // The box's words, then why and which file.
    const std::string state = "state game=1 position=1 light=0 f00=0 x00=0 music=up_mode2";
    EXPECT_EQ(played.after(save).lines(),
              (std::vector<std::string>{
                  "msgbox 書き込みエラー",
                  "file-error " + folder + "/plain/slot.hzm: " + std::strerror(ENOTDIR), state}));
    const Played loaded = played.after("load /proc/self/mem");
    EXPECT_EQ(loaded.of("msgbox"), std::vector<std::string>{"msgbox 読み込みエラー"});
    EXPECT_EQ(
        loaded.of("file-error"),
        std::vector<std::string>{std::string("file-error /proc/self/mem: ") + std::strerror(EIO)});
    const auto mci = loaded.of("mci");
    ASSERT_EQ(mci.size(), 4u) << loaded.trace;
    EXPECT_EQ(mci[0], "mci close x1");
    EXPECT_NE(mci[2].find("up_mode2.mid"), std::string::npos) << "the music starts again";
    EXPECT_EQ(mci[3], "mci play x1");
    EXPECT_EQ(loaded.lines().back(), state);
}

}  // namespace
}  // namespace hazama::testing
