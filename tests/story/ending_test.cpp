// The ending at home on the runner: the bonfire, the sky, the roll, and a window that can
// only be quit afterwards.
#include <algorithm>
#include <filesystem>

#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

// The trace of the house door at 48, in order. "narration " stands for narration of any
// length, "飛沫 " for any line of hers; full shapes fix the count.
const Lines kEnding = {
    "music mind", "fade 1000 1",
    "narration ",  // the carvings carried out
    "picture 1 gra/i16_burn.jpg", "fade 1000 0", "narration ", "narration ", "narration ",
    "narration ",  // the bonfire
    "music 0",
    "narration ",  // it is over
    "picture 5 gra/i15_see2.jpg", "copy 1 0 0 512 384 5 300 400", "fade 1000 0", "narration 2",
    "narration 2",  // to forget that house
    "music verdure", "飛沫 ", "飛沫 ", "飛沫 ", "narration ", "narration ", "narration ",
    "narration ", "narration ", "lastscr", "narration ", "narration ",  // the full moon
    "lastest", "pause 1000", "music murmur", "fade 1000 1", "pause 1000", "ending",
    "picture 1 gra/i17_end.jpg", "fade 1000 0",
    // no com: no portrait cleared, f00 as the move left it
    "state game=48 position=15 light=1 f00=0 x00=0 music=murmur"};

// Each line of `got` starts with the expected line at its place.
void expect_prefixes(const Lines& got, const Lines& expected) {
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i].rfind(expected[i], 0), 0u) << i << ": " << got[i];
}

TEST(Ending, TheHouseDoorAt48PlaysTheEndingAndLeavesOnlyQuit) {
    const Played played = play(
        "new\nset game=48 position=1 light=1 music=sukima\nmove 0\n"
        "look\ntalk\nmove 1\nsave cancel\nquit\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    const Played scene = played.after("move 0");
    expect_prefixes(shape(scene), kEnding);

    // Of her last five thoughts, three take two lines.
    const Lines messages = scene.of("message");
    ASSERT_EQ(messages.size(), 18u);
    int two_lines = 0;
    for (std::size_t i = 11; i < 16; ++i)
        two_lines += message_shape(messages[i].substr(8)) == "narration 2";
    EXPECT_EQ(two_lines, 3);

    EXPECT_EQ(scene.of("show"), Lines{"show comend"});
    EXPECT_TRUE(scene.of("hide").empty());
    // Nothing but quit answers any more, and quit ends the run.
    const std::string all = played.trace;
    for (const char* refused : {"refused look", "refused talk", "refused move", "refused save"})
        EXPECT_NE(all.find(std::string(refused) + "\n"), std::string::npos) << refused;
    EXPECT_EQ(played.after("quit").lines(), Lines{"mci close x1"});
}

TEST(Ending, ALoadStandingAtTheEndPlaysItAndGivesTheButtonsBack) {
    const std::string file =
        (std::filesystem::path(::testing::TempDir()) / "ending_position.hzm").string();
    const Played played = play("new\nset game=48 position=15 light=1 music=mind\nsave " + file +
                               "\nload " + file + "\nlook\n");
    std::filesystem::remove(file);
    ASSERT_EQ(played.status, 0) << played.errors;
    const Lines loaded = shape(played.after("load " + file));
    EXPECT_NE(std::find(loaded.begin(), loaded.end(), "ending"), loaded.end());
    EXPECT_EQ(loaded.end()[-2], "face 0");  // the load's own com
    // So the next command plays the ending over again.
    EXPECT_EQ(played.after("look").of("message").size(), 18u);
}

}  // namespace
}  // namespace hazama::testing
