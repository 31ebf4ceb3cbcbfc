// Clicks while the story stands still with no line waiting: during a dissolve, and during the
// classroom's chime, when the message box is empty on purpose. Such a click releases nothing:
// every line after it still waits for the reader, and the empty box lasts as long as the
// chime's pause and no longer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_fixture.h"

namespace hazama {
namespace {

TEST(ClickDuringAChange, ReleasesNoLineAndTheEmptyBoxLastsOnlyThePause) {
    testing::FormFixture<> f("click-change");
    f.platform.decoder = testing::panorama_decoder(0x203040);
    int reads = 0;
    f.platform.reader = [&] {
        ++reads;
        f.form.Form_Click();
    };
    // Every frame of a dissolve brings a click, as an impatient player's would.
    f.platform.on_refresh = [&] { f.form.Form_Click(); };
    std::vector<int> reads_at_line;
    std::uint32_t emptied_at = 0;
    std::string shown_in_pause = "unset";
    std::vector<std::uint32_t> empty_for;
    f.platform.on_note = [&](const std::string& note) {
        if (note.rfind("pause ", 0) == 0) {
            shown_in_pause = f.platform.message_text();
            emptied_at = f.platform.now_ms();
            f.form.Form_Click();
        } else if (note.rfind("message ", 0) == 0) {
            reads_at_line.push_back(reads);
            if (emptied_at != 0) empty_for.push_back(f.platform.now_ms() - emptied_at);
            emptied_at = 0;
        }
    };
    f.form.position = 5;
    f.form.game = 3;
    f.form.g05();

    reads_at_line.push_back(reads);
    ASSERT_GT(reads_at_line.size(), 5u);
    for (std::size_t i = 1; i < reads_at_line.size(); ++i)
        EXPECT_GT(reads_at_line[i], reads_at_line[i - 1]) << "line " << i << " was not waited for";
    EXPECT_EQ(shown_in_pause, "");
    EXPECT_EQ(empty_for, std::vector<std::uint32_t>{5000});
    EXPECT_EQ(f.form.game, 4);
}

}  // namespace
}  // namespace hazama
