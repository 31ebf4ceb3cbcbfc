// The moonlit road home: the scene on the trace, its hand-over to the house front, and that
// any way of standing there plays it whole.
#include <filesystem>

#include "harness.h"
#include "scene_shape.h"

namespace hazama::testing {
namespace {

using Lines = std::vector<std::string>;

Lines message_shapes(const Played& played) {
    Lines out;
    for (const std::string& m : played.of("message")) out.push_back(message_shape(m.substr(8)));
    return out;
}

// The whole scene from the road before his house at 44 ("飛沫の家→" leads here only then),
// down to the state it leaves.
const Lines kScene = {
    "mci close x1", "mci open mind+mie", "mci play x1", "picture 1 gra/i14_sita.jpg", "fade 1000 0",
    "message 飛沫「 lines=1", "message lines=1", "picture 1 gra/i15_see1.jpg", "fade 1000 0",
    "message lines=1", "message lines=2", "message lines=1", "message lines=2", "message lines=1",
    "message lines=2", "message lines=2", "message lines=1", "message lines=1",
    "message 飛沫「 lines=1", "picture 1 gra/i14_sita.jpg", "fade 1000 0", "message lines=2",
    "message lines=2", "message lines=2",
    // the house front at night; its com is the only one: the road has none of its own
    "picture 1 gra/h03_ied.jpg", "fade 1000 0", "face 0",
    "state game=45 position=1 light=1 f00=0 x00=0 music=mind+mie"};

TEST(MoonlitRoad, PlaysOnceOnTheWayHomeAndLeavesHerAtTheHouseFront) {
    const Played played = play("new\nset game=44 position=3 light=1 music=sukima\nmove 2\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    Lines shaped = scene_shape(played.after("move 2"));
    ASSERT_FALSE(shaped.empty());
    EXPECT_EQ(shaped, kScene);

    // The next evening the same button goes straight home.
    const Played later = play("new\nset game=45 position=3 light=1\nmove 2\n");
    EXPECT_TRUE(later.after("move 2").of("message").empty());
    EXPECT_EQ(later.after("move 2").of("state").back(),
              "state game=45 position=1 light=1 f00=0 x00=0 music=up_mode2");
}

TEST(MoonlitRoad, ALoadThereReplaysTheWholeSceneAndSets45) {
    Lines lines;
    for (const std::string& line : kScene)
        if (line.rfind("message ", 0) == 0) lines.push_back(line);
    ASSERT_EQ(lines.size(), 15u);

    // A save made while standing there (only a save file can hold it) replays the scene on
    // load, whatever story value the file held.
    const std::string file =
        (std::filesystem::path(::testing::TempDir()) / "moonlit_road.hzm").string();
    const Played loaded = play("new\nset game=12 position=13 light=1 music=mind\nsave " + file +
                               "\nload " + file + "\n");
    ASSERT_EQ(loaded.status, 0) << loaded.errors;
    EXPECT_EQ(message_shapes(loaded.after("load " + file)), lines);
    EXPECT_EQ(loaded.after("load " + file).of("state").back(),
              "state game=45 position=1 light=1 f00=0 x00=0 music=mind+mie");
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace hazama::testing
