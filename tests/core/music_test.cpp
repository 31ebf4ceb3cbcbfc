// The music player on the recording device: which commands each call sends, the loop
// watcher, and what lands in ret and errStr.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "audio/media_errors.h"
#include "core/form_fixture.h"

namespace hazama {
namespace {

using Commands = std::vector<std::string>;

struct MusicFixture : testing::FormFixture<> {
    std::vector<std::string> notes;

    MusicFixture() : FormFixture("music") {
        for (const char* name : {"mind.mid", "up_mode2.mid", "s-Cha.mid"})
            folder.write(std::string("music/") + name, "MThd");
        platform.on_note = [this](const std::string& line) { notes.push_back(line); };
    }

    std::string open_command(const std::string& name) const {
        return "open \"" + (folder.path() / "music" / (name + ".mid")).string() +
               "\" alias x1 notify";
    }
    Commands start_commands(const std::string& name) const {
        return {"close x1", open_command(name), "play x1"};
    }
    // What the device received since the last clear, without the watcher's status polls.
    Commands sent() const {
        Commands out;
        for (const auto& c : device.commands()) {
            if (c != "status x1 mode") out.push_back(c);
        }
        return out;
    }
    int polls() const {
        return static_cast<int>(
            std::count(device.commands().begin(), device.commands().end(), "status x1 mode"));
    }
};

std::string error_text(std::uint32_t code) {
    std::string text;
    media_error::text_of(code, text);
    return text;
}

TEST(Music, ANameNoSaveFileCouldHoldNeverReachesACommand) {
    for (const char* name : {"a\" alias x1.mid", "../mind", "mind/..", "曲"}) {
        MusicFixture f;
        f.form.music("mind");
        f.device.clear();
        f.form.music(name);
        EXPECT_EQ(f.sent(), Commands{"close x1"}) << name;
        EXPECT_FALSE(f.device.is_playing()) << name;
    }
}

TEST(Music, StartsAPieceOnceAndKeepsItWhenNamedAgain) {
    MusicFixture f;
    f.form.music("mind");
    EXPECT_EQ(f.sent(), f.start_commands("mind"));
    EXPECT_EQ(f.form.MusicFile, "mind");
    EXPECT_TRUE(f.device.is_playing());
    EXPECT_EQ(f.form.ret, 0);
    EXPECT_EQ(f.form.errStr, "");
    // The trace names every command with the full quoted path, never a status poll.
    const Commands traced = {"mci close x1", "mci " + f.open_command("mind"), "mci play x1"};
    EXPECT_EQ(f.notes, traced);

    f.device.clear();
    f.form.music("mind");
    f.platform.advance(50);
    EXPECT_EQ(f.sent(), Commands{});
    EXPECT_TRUE(f.device.is_playing());
}

TEST(Music, ANameDifferingOnlyInCaseReopensTheSameFile) {
    MusicFixture f;
    f.form.music("up_mode2");
    f.device.clear();
    f.form.music("Up_mode2");
    EXPECT_EQ(f.sent(), f.start_commands("Up_mode2"));
    EXPECT_EQ(f.form.MusicFile, "Up_mode2");
    EXPECT_TRUE(f.device.is_playing()) << "the file is found ignoring case";
    EXPECT_EQ(f.form.ret, 0);
}

TEST(Music, StoppingClosesOnceAndFailsHarmlesslyWhenNothingPlays) {
    MusicFixture f;
    f.form.music(0);  // nothing was ever chosen
    EXPECT_EQ(f.sent(), Commands{"close x1"});
    EXPECT_EQ(f.form.MusicFile, "0");
    EXPECT_EQ(f.form.ret, static_cast<std::int16_t>(media_error::kNotOpen));
    EXPECT_EQ(f.form.errStr, error_text(media_error::kNotOpen));

    f.form.music("mind");
    f.device.clear();
    f.form.music(0);
    EXPECT_EQ(f.sent(), Commands{"close x1"});
    EXPECT_FALSE(f.device.is_open());
    EXPECT_EQ(f.form.ret, 0);

    f.device.clear();
    f.form.music(0);
    f.form.music("0");  // the text "0" is the same as the number
    EXPECT_EQ(f.sent(), Commands{});
    EXPECT_EQ(f.form.MusicFile, "0");
}

TEST(Music, AnEmptyNameTriesTheFileDotMidAndPlaysNothing) {
    MusicFixture f;
    f.form.music(0);
    f.device.clear();
    f.form.music("");
    EXPECT_EQ(f.sent(), f.start_commands(""));
    EXPECT_EQ(f.form.MusicFile, "");
    EXPECT_FALSE(f.device.is_open());
    // The last command was play, which fails for want of an open piece.
    EXPECT_EQ(f.form.ret, static_cast<std::int16_t>(media_error::kNotOpen));
    EXPECT_EQ(f.form.errStr, error_text(media_error::kNotOpen));

    f.device.clear();
    f.platform.advance(100);
    EXPECT_EQ(f.sent(), Commands{}) << "the watcher restarts nothing that never opened";
}

TEST(Music, TheWatcherRestsWhileNothingIsOpen) {
    MusicFixture f;
    f.platform.advance(1000);
    EXPECT_LE(f.polls(), 1) << "no piece yet";

    f.form.music("mind");
    f.device.clear();
    f.platform.advance(1000);
    EXPECT_GE(f.polls(), 99) << "a piece wakes it";
    f.device.end_piece();
    f.platform.advance(10);
    EXPECT_EQ(f.sent(), (Commands{"seek x1 to start", "play x1"}));

    f.form.music(0);
    f.device.clear();
    f.platform.advance(1000);
    EXPECT_LE(f.polls(), 1) << "stopped music";

    f.form.music("missing");
    f.device.clear();
    f.platform.advance(1000);
    EXPECT_LE(f.polls(), 1) << "a piece that would not open";

    // Location 5 sets the interval back to 10 ms with its next piece already open.
    f.form.set_timer1_interval(0);
    f.form.music("s-Cha");
    f.form.set_timer1_interval(10);
    f.device.clear();
    f.platform.advance(1000);
    EXPECT_GE(f.polls(), 99);
}

TEST(Music, TheWatcherRestartsAnEndedPieceWithinTenMilliseconds) {
    MusicFixture f;
    f.form.music("mind");
    f.platform.advance(1000);
    f.device.clear();
    f.notes.clear();
    EXPECT_EQ(f.sent(), Commands{}) << "a playing piece is left alone";

    f.device.end_piece();
    f.platform.advance(10);
    EXPECT_EQ(f.sent(), (Commands{"seek x1 to start", "play x1"}));
    EXPECT_TRUE(f.device.is_playing());
    EXPECT_EQ(f.notes, (Commands{"mci seek x1 to start", "mci play x1"}));

    // And again at the next end: every piece loops.
    f.device.clear();
    f.platform.advance(3000);
    f.device.end_piece();
    f.platform.advance(10);
    EXPECT_EQ(f.sent(), (Commands{"seek x1 to start", "play x1"}));
}

TEST(Music, AWatcherAtIntervalZeroLetsAPiecePlayOnce) {
    MusicFixture f;
    f.form.set_timer1_interval(0);
    f.form.music("s-Cha");
    f.device.end_piece();
    f.device.clear();
    f.platform.advance(5000);
    EXPECT_TRUE(f.device.commands().empty()) << "not even a status poll";
    EXPECT_FALSE(f.device.is_playing());

    f.form.set_timer1_interval(10);
    f.platform.advance(10);
    EXPECT_EQ(f.sent(), (Commands{"seek x1 to start", "play x1"}));
    const Commands timers = {"timer1 0", "timer1 10"};
    Commands traced;
    for (const auto& n : f.notes) {
        if (n.rfind("timer1 ", 0) == 0) traced.push_back(n);
    }
    EXPECT_EQ(traced, timers);
}

TEST(Music, VolumeReachesTheDeviceAndAMutedPieceStillLoops) {
    MusicFixture f;
    EXPECT_EQ(f.device.volume(), 100) << "full volume until the player picks another";
    for (int percent : {75, 50, 25, 0}) {
        f.form.set_volume(percent);
        EXPECT_EQ(f.device.volume(), percent);
    }
    EXPECT_TRUE(f.device.commands().empty()) << "the volume is no media command";
    EXPECT_TRUE(f.notes.empty()) << "and leaves the trace alone";

    // Muted, a piece is opened and played by the same commands, and restarted at its end.
    f.form.music("mind");
    EXPECT_EQ(f.sent(), f.start_commands("mind"));
    EXPECT_TRUE(f.device.is_playing());
    f.device.clear();
    f.device.end_piece();
    f.platform.advance(10);
    EXPECT_EQ(f.sent(), (Commands{"seek x1 to start", "play x1"}));
    EXPECT_EQ(f.form.errStr, "");
    EXPECT_TRUE(f.device.is_playing());
    EXPECT_EQ(f.device.volume(), 0) << "a restart keeps the player's volume";
}

// A device that answers every command with a fixed code and reply.
class ScriptedDevice : public MediaDevice {
  public:
    std::uint32_t code = 0;
    std::string reply;
    bool knows_error = true;
    std::string error;
    int sent = 0;

    std::uint32_t send(const std::string&, std::string& out) override {
        ++sent;
        out = reply;
        return code;
    }
    bool error_text(std::uint32_t, std::string& text) override {
        text = error;
        return knows_error;
    }
};

TEST(Music, MciSendRepliesErrorsAndRefusals) {
    ScriptedDevice device;
    VirtualPlatform platform{device};
    MainForm form{platform, "/nonexistent"};
    std::string reply = "old";

    EXPECT_EQ(form.mci_send("", reply), -1);
    EXPECT_EQ(reply, "コマンド文字が指定されていません");
    EXPECT_EQ(device.sent, 0);

    // Replies end at the first NUL, as from a fixed character buffer.
    device.reply = std::string("playing\0garbage", 15);
    EXPECT_EQ(form.mci_send("status x1 mode", reply), 0);
    EXPECT_EQ(reply, "playing");

    device.code = 275;
    device.error = std::string("見つかりません\0garbage", 29);
    EXPECT_EQ(form.mci_send("play x1", reply), 275);
    EXPECT_EQ(reply, "見つかりません");

    device.knows_error = false;
    EXPECT_EQ(form.mci_send("play x1", reply), 275);
    EXPECT_EQ(reply, "Error(文字列が取れません)");

    // music() keeps the code and text of its last command.
    form.music("mind");
    EXPECT_EQ(form.ret, 275);
    EXPECT_EQ(form.errStr, "Error(文字列が取れません)");
}

}  // namespace
}  // namespace hazama
