// The synthesizer as the game loads it, from its module when the first piece is opened: a
// piece plays through it, the volume chosen before waits for it, the commands before the
// first piece are answered as the device answers them without loading it, and without a
// module that loads every command after that fails with "no synthesizer" while the game goes on.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "audio/media_errors.h"
#include "audio/module_media_device.h"

namespace hazama {
namespace {

namespace fs = std::filesystem;

fs::path build_folder() {
    const char* assets = std::getenv("HAZAMA_ASSETS");
    return assets != nullptr ? fs::path(assets) : fs::current_path();
}

TEST(ModuleMediaDevice, LoadsTheSynthesizerWithTheFirstPieceAndPlays) {
    const fs::path piece = build_folder() / "music" / "mind.mid";
    ASSERT_TRUE(fs::exists(piece)) << piece;
    ModuleMediaDevice device(
        {.folders = {"/nonexistent", build_folder()}, .soundfont_folder = "", .silent = true});
    device.set_volume(50);  // before the synthesizer exists
    std::string reply = "left over";
    // The loop watcher polls and the first piece's close come before anything is open.
    EXPECT_EQ(device.send("status x1 mode", reply), media_error::kNotOpen);
    EXPECT_EQ(reply, "");
    EXPECT_EQ(device.send("close x1", reply), media_error::kNotOpen);
    EXPECT_EQ(device.send("eject x1", reply), media_error::kUnknownCommand);
    ASSERT_EQ(device.send("open \"" + piece.string() + "\" alias x1 notify", reply), 0u);
    ASSERT_EQ(device.send("play x1", reply), 0u);
    ASSERT_EQ(device.send("status x1 mode", reply), 0u);
    EXPECT_EQ(reply, "playing");
    EXPECT_EQ(device.send("close x1", reply), 0u);
    std::string text;
    EXPECT_TRUE(device.error_text(media_error::kNotOpen, text));
    EXPECT_FALSE(text.empty());
}

TEST(ModuleMediaDevice, PreparedAheadItAnswersAsIfLoadedWithTheFirstPiece) {
    const fs::path piece = build_folder() / "music" / "mind.mid";
    {
        // Gone while the module still loads: it waits for the load and goes quietly.
        ModuleMediaDevice device(
            {.folders = {build_folder()}, .soundfont_folder = "", .silent = true});
        device.prepare();
    }
    ModuleMediaDevice device({.folders = {build_folder()}, .soundfont_folder = "", .silent = true});
    device.prepare();
    device.set_volume(50);
    std::string reply;
    // Nothing is open before the first piece, however far the load has gone.
    EXPECT_EQ(device.send("status x1 mode", reply), media_error::kNotOpen);
    ASSERT_EQ(device.send("open \"" + piece.string() + "\" alias x1 notify", reply), 0u);
    ASSERT_EQ(device.send("play x1", reply), 0u);
    ASSERT_EQ(device.send("status x1 mode", reply), 0u);
    EXPECT_EQ(reply, "playing");
    ModuleMediaDevice missing(
        {.folders = {"/nonexistent"}, .soundfont_folder = "", .silent = true});
    testing::internal::CaptureStderr();
    missing.prepare();
    EXPECT_EQ(missing.send("open \"x.mid\" alias x1 notify", reply), media_error::kNoSynthesizer);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
}

TEST(ModuleMediaDevice, WithoutAModuleThatLoadsEveryCommandFailsQuietly) {
    const fs::path folder =
        fs::temp_directory_path() / ("hazama-module-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / ModuleMediaDevice::kModuleName) << "not a shared object";

    for (const fs::path& where : {fs::path("/nonexistent"), folder}) {
        ModuleMediaDevice device({.folders = {where}, .soundfont_folder = "", .silent = true});
        device.set_volume(25);
        std::string reply = "left over";
        // Nothing tries the module before the first piece: no line on standard error yet.
        testing::internal::CaptureStderr();
        EXPECT_EQ(device.send("status x1 mode", reply), media_error::kNotOpen);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(device.send("open \"x.mid\" alias x1 notify", reply), media_error::kNoSynthesizer)
            << where;
        EXPECT_EQ(reply, "");
        EXPECT_EQ(device.send("status x1 mode", reply), media_error::kNoSynthesizer);
        std::string text;
        EXPECT_TRUE(device.error_text(media_error::kNoSynthesizer, text));
        EXPECT_FALSE(text.empty());
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace hazama
