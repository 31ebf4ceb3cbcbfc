// The player's going back and forward again in the runner (step back, step forward): from a
// prompt to the line shown last, never before a loaded game, and forward through the lines
// already seen until the player plays on differently.
#include "../core/form_fixture.h"
#include "harness.h"

namespace hazama::testing {
namespace {

// The lines "replay to message K" says, in order.
std::vector<int> replayed(const Played& played) {
    std::vector<int> out;
    for (const auto& line : played.of("replay to message"))
        out.push_back(std::stoi(line.substr(18)));
    return out;
}

TEST(LineSteps, BackFromAPromptShowsTheLastLineAgainThenTheOnesBefore) {
    const Played first = play("new\n");
    ASSERT_EQ(first.status, 0) << first.errors;
    const auto messages = first.of("message");
    const int last = static_cast<int>(messages.size());
    ASSERT_GT(last, 3);
    const Played played = play("new\nstep back\nstep back\nstep back\ngo\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    EXPECT_EQ(replayed(played), (std::vector<int>{last, last - 1, last - 2}));
    // The line shown again is the prologue's last one, waiting.
    const auto again = played.after("step back").of("message");
    ASSERT_FALSE(again.empty());
    EXPECT_EQ(again.front(), messages.back());
    // Released, the rest of the scene runs as it did, to the same place.
    EXPECT_EQ(played.of("state").back(), first.of("state").back());
    EXPECT_EQ(play("step back\n").of("refused step back").size(), 1u);
}

TEST(LineSteps, ALoadMadeWithTheLoadButtonIsAWall) {
    const ScratchFolder scratch("step-wall");
    const std::string file = (scratch.path() / "a.hzm").string();
    const std::string script = "new\nlook\nsave " + file + "\nmove 1\nload " + file + "\ntalk\n";
    const Played first = play(script);
    ASSERT_EQ(first.status, 0) << first.errors;
    const std::size_t since =
        first.after("load " + file).of("message").size() + first.after("talk").of("message").size();
    ASSERT_GT(since, 0u);
    std::string steps;
    for (std::size_t i = 0; i <= since + 2; ++i) steps += "step back\n";
    const Played played = play(script + steps + "go\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    // Every line since the load, then no further: the history refuses the same lines.
    EXPECT_EQ(replayed(played).size(), since);
    EXPECT_EQ(played.of("refused step back").size(), 3u);
    const int total = static_cast<int>(first.of("message").size());
    EXPECT_EQ(replayed(played).back(), total - static_cast<int>(since) + 1);
}

TEST(LineSteps, ForwardAgainThroughTheLinesSeenUntilThePlayerPlaysOnDifferently) {
    const Played first = play("new\nlook\n");
    ASSERT_EQ(first.status, 0) << first.errors;
    const int last = static_cast<int>(first.of("message").size());
    const Played played = play(
        "new\nlook\nstep back\nstep back\nstep back\nstep forward\nstep forward\nstep forward\n"
        "step forward\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    // Back to the last line, two before it, then forward to it and on to the prompt left.
    EXPECT_EQ(replayed(played), (std::vector<int>{last, last - 1, last - 2, last - 1, last, last}));
    EXPECT_EQ(played.of("refused step forward").size(), 1u);
    EXPECT_EQ(played.of("state").back(), first.of("state").back());
    // The line forward is the line as first shown.
    EXPECT_EQ(played.after("step forward").of("message").front(),
              first.of("message")[static_cast<std::size_t>(last) - 2]);

    // Going back into the scene before, and released there, it plays on to where it ended:
    // forward is still there, until the player gives another command than the one given.
    const Played moved = play("new\nlook\nmove 1\n");
    std::string into_look;
    for (std::size_t i = 0; i < moved.after("move 1").of("message").size() + 2; ++i)
        into_look += "step back\n";
    const Played same = play("new\nlook\nmove 1\n" + into_look + "go\nstep forward\n");
    ASSERT_EQ(same.status, 0) << same.errors;
    EXPECT_EQ(same.of("refused step forward").size(), 0u);
    const Played other = play("new\nlook\nmove 1\n" + into_look + "go\ntalk\nstep forward\n");
    ASSERT_EQ(other.status, 0) << other.errors;
    EXPECT_EQ(other.of("refused step forward").size(), 1u);
}

}  // namespace
}  // namespace hazama::testing
