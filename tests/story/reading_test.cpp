// The reading controls through the runner: auto, skip, Ctrl, the history command and the
// read record kept between runs in one data folder.
#include "core/form_fixture.h"
#include "harness.h"

namespace hazama::testing {
namespace {

// The lines of `played` that follow a "message" line directly.
std::vector<std::string> after_messages(const Played& played) {
    const auto lines = played.lines();
    std::vector<std::string> out;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].rfind("message ", 0) == 0) out.push_back(lines[i + 1]);
    }
    return out;
}

TEST(RunnerReading, AutoReleasesEveryLineAfterItsDelayAndStaysOn) {
    const Played played = play("auto fast\nnew\nlook\nauto off\ntalk\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    const Played prologue = played.after("new");
    ASSERT_FALSE(prologue.of("message").empty());
    for (const auto& line : after_messages(prologue))
        EXPECT_EQ(line.rfind("release auto ", 0), 0u) << line;
    // The first line: 1000 ms and 50 ms for each of its characters.
    const std::string first = prologue.of("message").front().substr(8);
    std::size_t characters = 0;
    for (unsigned char c : first) characters += (c & 0xC0) != 0x80;
    EXPECT_EQ(after_messages(prologue).front(),
              "release auto " + std::to_string(1000 + 50 * characters));
    EXPECT_FALSE(played.after("look").of("release").empty());
    EXPECT_TRUE(played.after("talk").of("release").empty());
}

TEST(RunnerReading, SkipStopsAtTheFirstUnreadLineAndASecondPlaySkipsWhatWasRead) {
    ScratchFolder data("reading");
    Played first = play("skip on\nnew\n", data.path());
    ASSERT_EQ(first.status, 0) << first.errors;
    EXPECT_EQ(after_messages(first).front(), "skip off");
    EXPECT_EQ(first.of("skip off").size(), 1u);

    const Played second = play("skip on\nnew\nlook\n", data.path());
    ASSERT_EQ(second.status, 0) << second.errors;
    for (const auto& line : after_messages(second.after("new"))) EXPECT_EQ(line, "release skip");
    // The house front was never looked at: skip ends there, at its first line.
    const auto look = second.after("look").lines();
    ASSERT_GE(look.size(), 2u);
    EXPECT_EQ(after_messages(second.after("look")).front(), "skip off");
    // Skip hurries the animations but plays every one of them.
    EXPECT_EQ(second.after("new").of("fade"), first.after("new").of("fade"));

    // A run of its own starts with nothing read.
    const Played fresh = play("skip on\nnew\n");
    EXPECT_EQ(after_messages(fresh).front(), "skip off");
}

TEST(RunnerReading, CtrlSkipsUnreadLinesAndSkipEndsAtTheChooserAndAfterALoad) {
    ScratchFolder data("reading");
    const auto save = (data.path() / "one.hzm").string();
    const Played played = play("ctrl down\nnew\nctrl up\nsave " + save +
                                   "\nskip on\nmove 0\nskip on\nload " + save + "\nhistory\n",
                               data.path());
    ASSERT_EQ(played.status, 0) << played.errors;
    for (const auto& line : after_messages(played.after("new"))) EXPECT_EQ(line, "release skip");
    EXPECT_TRUE(played.after("new").of("skip off").empty());  // Ctrl never turned skip on

    const auto move = played.after("move 0").lines();
    ASSERT_GE(move.size(), 2u);
    EXPECT_EQ(move[0], "skip off");
    EXPECT_EQ(move[1].rfind("chooser ", 0), 0u);
    EXPECT_EQ(played.after("load " + save).lines().front(), "skip off");

    // The history: every message in order, then the divider of the load, then the rest.
    std::vector<std::string> expected;
    for (const char* command : {"new", "move 0", "load"}) {
        if (std::string(command) == "load") expected.push_back("history ―");
        const std::string echo = command == std::string("load") ? "load " + save : command;
        for (const auto& m : played.after(echo).of("message"))
            expected.push_back("history " + m.substr(8));
    }
    EXPECT_EQ(played.after("history").of("history"), expected);
}

TEST(RunnerReading, RejectsUnknownSettings) {
    for (const char* bad : {"auto", "auto maybe", "skip all", "ctrl left", "history now"}) {
        const Played played = play(std::string("new\n") + bad + "\n");
        EXPECT_EQ(played.status, 2) << bad;
    }
}

}  // namespace
}  // namespace hazama::testing
