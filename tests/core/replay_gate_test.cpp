// The pictures a replay keeps to load again: as many as fit in their budget of real memory
// (four bytes a pixel), the least recently used going first.
#include "replay/replay_gate.h"

#include <gtest/gtest.h>

#include <map>

#include "audio/recording_media_device.h"
#include "platform/virtual_platform.h"

namespace hazama {
namespace {

TEST(ReplayGate, PicturesKeptForTheReplayHoldNoMoreThanTheirBudgetOfMemory) {
    RecordingMediaDevice device;
    VirtualPlatform platform(device);
    std::map<std::string, int> decoded;
    platform.decoder = [&](const std::string& path, Plane& into, std::string&) {
        ++decoded[path];
        into.resize(512, 384, 0x123456);
        return true;
    };
    ReplayGate gate(platform);
    gate.set_replaying(true);
    // A whole scene takes 512 × 384 × 4 bytes: 21 of them fit in the budget.
    constexpr std::size_t kScene = 512 * 384 * 4;
    constexpr int kFit = static_cast<int>(ReplayGate::kPictureBytes / kScene);
    ASSERT_EQ(kFit, 21);
    Plane into;
    std::string error;
    for (int i = 0; i < 30; ++i)
        ASSERT_TRUE(gate.load_picture("p" + std::to_string(i), into, error));
    EXPECT_EQ(gate.picture_bytes(), kFit * kScene);
    // The newest 21 are kept; the one before them went.
    const std::string oldest_kept = "p" + std::to_string(30 - kFit);
    const std::string last_gone = "p" + std::to_string(29 - kFit);
    ASSERT_TRUE(gate.load_picture(oldest_kept, into, error));
    EXPECT_EQ(decoded[oldest_kept], 1) << "kept";
    ASSERT_TRUE(gate.load_picture(last_gone, into, error));
    EXPECT_EQ(decoded[last_gone], 2) << "let go for the budget, decoded again";
    EXPECT_EQ(into.at(0, 0), 0x123456u);
    // In play nothing is kept: every load decodes.
    gate.set_replaying(false);
    ASSERT_TRUE(gate.load_picture("p29", into, error));
    EXPECT_EQ(decoded["p29"], 2);
}

}  // namespace
}  // namespace hazama
