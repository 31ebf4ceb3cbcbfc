// A story that stands still on the virtual platform fails at once, naming where it stopped,
// instead of spinning for ever; a story that moves, however many lines it shows, does not.
#include <gtest/gtest.h>

#include "core/graphics_fixture.h"

namespace hazama {
namespace {

using testing::GraphicsFixture;

// The message of the StoryStalled that `run` throws, or "" when it throws none.
template <typename Run>
std::string stalled(Run run) {
    try {
        run();
    } catch (const StoryStalled& e) {
        return e.what();
    }
    return "";
}

TEST(StalledStory, WaitsThatNoLongerMoveTheClockAreStuckAtTheLastTraceLine) {
    GraphicsFixture f;
    // A reader who never releases the line.
    f.platform.reader = [] {};
    const std::string line = stalled([&] { f.form.message("一行目"); });
    EXPECT_EQ(line.rfind("stuck at message 一行目", 0), 0u) << line;

    // A loop that waits for a time already reached.
    f.form.fade(0, 0);
    EXPECT_EQ(stalled([&] {
                  for (;;) f.platform.wait_until(f.platform.now_ms());
              }).rfind("stuck at fade 0 0", 0),
              0u);
    // So is a dialog nobody answers.
    EXPECT_NE(stalled([&] { f.platform.choose({"a", "b", "c"}); }), "");
    EXPECT_NE(stalled([&] { f.platform.ask_file({}); }), "");
}

TEST(StalledStory, LinesReleasedAtOnceAndWaitsInPlaceBetweenMovesAreNoStall) {
    GraphicsFixture f;
    f.platform.reader = [&] { f.form.labmain_Click(); };
    EXPECT_EQ(stalled([&] {
                  for (int i = 0; i < 3 * VirtualPlatform::kStillWaits; ++i) {
                      f.form.message("行");
                      f.platform.process_events();
                  }
              }),
              "");
    EXPECT_EQ(stalled([&] {
                  for (int i = 0; i < 3 * VirtualPlatform::kStillWaits; ++i) {
                      f.platform.process_events();
                      f.platform.wait_until(f.platform.now_ms() + 1);
                  }
              }),
              "");
}

}  // namespace
}  // namespace hazama
