// The text display and the skip of every line through the runner: the same story, its lines
// shown a character at a time or passed over, and nothing else of the trace changed.
#include "harness.h"

namespace hazama::testing {
namespace {

// The trace of the commands "new" and "look" without the lines of `kinds`.
std::vector<std::string> story_lines(const Played& played, const std::vector<std::string>& kinds) {
    std::vector<std::string> out;
    for (const char* command : {"new", "look"}) {
        for (const auto& line : played.after(command).lines()) {
            bool dropped = false;
            for (const auto& kind : kinds) dropped = dropped || line.rfind(kind + " ", 0) == 0;
            if (!dropped) out.push_back(line);
        }
    }
    return out;
}

TEST(RunnerText, LetterByLetterShowsTheSameStoryAndAClickShowsEachLineWhole) {
    const Played plain = play("new\nlook\n");
    const Played instant = play("text instant\nnew\nlook\n");
    const Played slow = play("text slow\nnew\nlook\n");
    ASSERT_EQ(slow.status, 0) << slow.errors;
    EXPECT_EQ(story_lines(instant, {}), story_lines(plain, {}));
    EXPECT_TRUE(instant.of("reveal").empty());

    // The runner's reader clicks at once: each line is shown whole after its first
    // character, then released by the next click.
    const auto messages = slow.of("message");
    const auto reveals = slow.of("reveal");
    ASSERT_FALSE(messages.empty());
    ASSERT_EQ(reveals.size(), messages.size());
    for (const auto& r : reveals) EXPECT_EQ(r.rfind("reveal 1/", 0), 0u) << r;
    EXPECT_EQ(story_lines(slow, {"reveal"}), story_lines(plain, {}));
}

TEST(RunnerText, UnderAutoEachLineAppearsWholeBeforeItsDelay) {
    const Played played = play("text fast\nauto normal\nnew\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    const auto lines = played.after("new").lines();
    int seen = 0;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        if (lines[i].rfind("message ", 0) != 0) continue;
        const std::string text = lines[i].substr(8);
        std::size_t characters = 0;
        for (std::size_t k = 0; k < text.size(); ++k) {
            if (text.compare(k, 2, "\\n") == 0) {
                ++k;
            } else if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) {
                ++characters;
            }
        }
        const std::string n = std::to_string(characters);
        EXPECT_EQ(lines[i + 1], "reveal " + n + "/" + n);
        EXPECT_EQ(lines[i + 2].rfind("release auto ", 0), 0u) << lines[i + 2];
        ++seen;
    }
    EXPECT_GT(seen, 3);
}

TEST(RunnerText, SkipOfEveryLinePassesUnreadLinesAndStopsAtTheChooser) {
    const Played played = play("skip-mode all\nskip on\nnew\nmove 0\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    const Played prologue = played.after("new");
    EXPECT_EQ(prologue.of("release skip").size(), prologue.of("message").size());
    EXPECT_TRUE(prologue.of("skip off").empty());
    EXPECT_EQ(played.after("move 0").lines().front(), "skip off");

    for (const char* bad : {"text", "text quick", "skip-mode", "skip-mode unread"}) {
        EXPECT_EQ(play(std::string("new\n") + bad + "\n").status, 2) << bad;
    }
}

}  // namespace
}  // namespace hazama::testing
