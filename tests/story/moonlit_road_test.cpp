// The moonlit road home: the scene on the trace, its hand-over to the house front, and that
// any way of standing there plays it whole.
#include "scene_shorthand.h"

namespace hazama::testing {
namespace {

// The whole scene from the road before his house at 44 ("飛沫の家→" leads here only then),
// down to the state it leaves.
const Lines kScene = expand({
    "music mind+mie; stage i14_sita; fade 1000 0; 飛沫 1; narration 1",
    "stage i15_see1; fade 1000 0; narration 1 2 1 2 1 2 2 1 1; 飛沫 1",
    "stage i14_sita; fade 1000 0; narration 2 2 2",
    // the house front at night; its com is the only one: the road has none of its own
    "stage h03_ied; fade 1000 0; [-]",
    "state game=45 position=1 light=1 f00=0 x00=0 music=mind+mie",
});

TEST(MoonlitRoad, PlaysOnceOnTheWayHomeAndLeavesHerAtTheHouseFront) {
    const Played played = play("new\nset game=44 position=3 light=1 music=sukima\nmove 2\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    Lines shaped = shape(played.after("move 2"));
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
        if (is_message(line)) lines.push_back(line);
    ASSERT_EQ(lines.size(), 15u);

    // A save made while standing there (only a save file can hold it) replays the scene on
    // load, whatever story value the file held.
    const Played loaded = reloaded("game=12 position=13 light=1 music=mind", "moonlit_road.hzm");
    EXPECT_EQ(message_shapes(loaded), lines);
    EXPECT_EQ(loaded.of("state").back(),
              "state game=45 position=1 light=1 f00=0 x00=0 music=mind+mie");
}

}  // namespace
}  // namespace hazama::testing
