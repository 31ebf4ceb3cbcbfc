// The FluidSynth device with a real synthesizer, rendering silently: a short piece plays,
// ends, restarts and is freed; bad commands fail with their codes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "audio/fluid_media_device.h"
#include "audio/fluid_setup.h"
#include "audio/media_errors.h"

namespace hazama {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A one-track MIDI file: one piano note held for one second (480 ticks a beat at the
// default 120 beats a minute, so 960 ticks).
std::string one_second_of_piano() {
    const unsigned char track[] = {
        0x00, 0xC0, 0x00,              // piano
        0x00, 0x90, 0x3C, 0x60,        // middle C on
        0x87, 0x40, 0x80, 0x3C, 0x40,  // 960 ticks later, off
        0x00, 0xFF, 0x2F, 0x00,        // end of track
    };
    std::string file = "MThd";
    file += std::string("\0\0\0\x06\0\0\0\x01\x01\xE0", 10);  // format 0, one track, 480
    file += "MTrk";
    file += std::string("\0\0\0", 3) + static_cast<char>(sizeof track);
    file.append(reinterpret_cast<const char*>(track), sizeof track);
    return file;
}

struct DeviceFixture {
    fs::path dir;
    FluidMediaDevice device{{.silent = true}};

    DeviceFixture() {
        dir = fs::temp_directory_path() / ("hazama-fluid-" + std::to_string(::getpid()));
        fs::create_directories(dir / "music");
        std::ofstream(dir / "music" / "Tune.mid", std::ios::binary) << one_second_of_piano();
        std::ofstream(dir / "music" / "notes.mid") << "this is not a MIDI file";
    }
    ~DeviceFixture() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    std::uint32_t send(const std::string& command, std::string& reply) {
        return device.send(command, reply);
    }
    std::uint32_t send(const std::string& command) {
        std::string reply;
        return device.send(command, reply);
    }
    std::string status() {
        std::string reply;
        EXPECT_EQ(send("status x1 mode", reply), 0u);
        return reply;
    }
    std::string open_command(const std::string& name) {
        return "open \"" + (dir / "music" / name).string() + "\" alias x1 notify";
    }
    // Polls as the game's watcher does until the piece has ended; how long it played.
    Clock::duration play_to_end() {
        const auto start = Clock::now();
        while (status() == "playing" && Clock::now() - start < 10s) {
            std::this_thread::sleep_for(10ms);
        }
        return Clock::now() - start;
    }
};

TEST(FluidDevice, PlaysEndsRestartsAndCloses) {
    DeviceFixture f;
    // The file is Tune.mid; the game may spell it in another case.
    ASSERT_EQ(f.send(f.open_command("tune.mid")), 0u);
    EXPECT_EQ(f.device.output(), "silent");
    EXPECT_EQ(f.status(), "stopped") << "open, not yet played";

    ASSERT_EQ(f.send("play x1"), 0u);
    EXPECT_EQ(f.status(), "playing");
    const auto first = f.play_to_end();
    EXPECT_EQ(f.status(), "stopped");
    EXPECT_GT(first, 700ms) << "the piece lasts a second";
    // The player itself says "done" only two seconds after the last note; a loop must not
    // wait for that.
    EXPECT_LT(first, 2500ms) << "the end is the last tick, not the player's done";

    EXPECT_EQ(f.send("seek x1 to start"), 0u);
    EXPECT_EQ(f.status(), "stopped");
    EXPECT_EQ(f.send("play x1"), 0u);
    EXPECT_EQ(f.status(), "playing");
    const auto second = f.play_to_end();
    EXPECT_GT(second, 700ms) << "restarted from the beginning";
    EXPECT_LT(second, 10s);

    // Closing in the middle of a piece.
    EXPECT_EQ(f.send("seek x1 to start"), 0u);
    EXPECT_EQ(f.send("play x1"), 0u);
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(f.send("close x1"), 0u);
    EXPECT_EQ(f.send("status x1 mode"), media_error::kNotOpen);
    EXPECT_EQ(f.send("close x1"), media_error::kNotOpen);

    // Another piece opens under the freed alias; the device is destroyed while it plays.
    ASSERT_EQ(f.send(f.open_command("Tune.mid")), 0u);
    EXPECT_EQ(f.send("play x1"), 0u);
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(f.status(), "playing");
}

TEST(FluidDevice, VolumeSetsTheGainAndAMutedPieceStillLoops) {
    DeviceFixture f;
    f.device.set_volume(50);
    EXPECT_EQ(f.device.gain(), 0.0) << "no synthesizer before the first piece";
    ASSERT_EQ(f.send(f.open_command("Tune.mid")), 0u);
    EXPECT_NEAR(f.device.gain(), kFullGain / 2, 1e-6) << "the volume chosen before it started";
    for (int percent : {100, 75, 50, 25, 0}) {
        f.device.set_volume(percent);
        EXPECT_NEAR(f.device.gain(), kFullGain * percent / 100, 1e-6) << percent << " %";
    }

    // Muted, the piece runs its full length, says "stopped" and starts again.
    ASSERT_EQ(f.send("play x1"), 0u);
    EXPECT_EQ(f.status(), "playing");
    EXPECT_GT(f.play_to_end(), 700ms);
    EXPECT_EQ(f.status(), "stopped");
    EXPECT_EQ(f.send("seek x1 to start"), 0u);
    EXPECT_EQ(f.send("play x1"), 0u);
    EXPECT_EQ(f.status(), "playing");
    EXPECT_GT(f.play_to_end(), 700ms);
    EXPECT_NEAR(f.device.gain(), 0.0, 1e-9) << "a restart keeps the volume";

    f.device.set_volume(130);
    EXPECT_NEAR(f.device.gain(), kFullGain, 1e-6) << "never louder than full";
    f.device.set_volume(-5);
    EXPECT_NEAR(f.device.gain(), 0.0, 1e-9);
}

TEST(FluidDevice, RefusesWhatItCannotDo) {
    DeviceFixture f;
    std::string reply = "old";
    EXPECT_EQ(f.send("close x1", reply), media_error::kNotOpen);
    EXPECT_EQ(reply, "");
    EXPECT_EQ(f.device.output(), "") << "no synthesizer started for a failing command";
    EXPECT_EQ(f.send(f.open_command("missing.mid")), media_error::kFileNotFound);
    EXPECT_EQ(f.send(f.open_command(".mid")), media_error::kFileNotFound);
    EXPECT_EQ(f.send(f.open_command("notes.mid")), media_error::kBadFile);
    EXPECT_EQ(f.send("play x1"), media_error::kNotOpen);
    EXPECT_EQ(f.send("stop x1"), media_error::kUnknownCommand);

    ASSERT_EQ(f.send(f.open_command("Tune.mid")), 0u);
    EXPECT_EQ(f.send(f.open_command("Tune.mid")), media_error::kAliasInUse);
    EXPECT_EQ(f.send("play x2"), media_error::kNotOpen);

    std::string text;
    for (auto code : {media_error::kNotOpen, media_error::kFileNotFound, media_error::kBadFile,
                      media_error::kNoSynthesizer}) {
        EXPECT_TRUE(f.device.error_text(code, text));
        EXPECT_FALSE(text.empty());
    }
    EXPECT_FALSE(f.device.error_text(12345, text));

    // Without a SoundFont nothing can sound, and the device says so.
    FluidMediaDevice bare({.soundfont_folder = f.dir, .silent = true});
    EXPECT_EQ(bare.send(f.open_command("Tune.mid"), reply), media_error::kNoSynthesizer);
    EXPECT_EQ(bare.send("play x1", reply), media_error::kNotOpen);
}

}  // namespace
}  // namespace hazama
