// The save and load commands on the virtual platform: the dialog they ask for, the
// message boxes, and how play resumes at the loaded location with its music.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/form_fixture.h"
#include "platform/file_calls.h"
#include "save/save_file.h"

namespace hazama {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

using testing::ScratchFolder;

struct SaveFixture : testing::FormFixture<> {
    const fs::path& root = folder.path();
    Lines notes;

    SaveFixture() : FormFixture("savecmd") {
        for (const char* name : {"mind.mid", "water2.mid"})
            folder.write(fs::path("music") / name, "");
        platform.reader = [this] { form.labmain_Click(); };
        platform.decoder = [](const std::string&, Plane& into, std::string&) {
            into = Plane(512, 384);
            return true;
        };
        platform.on_note = [this](const std::string& line) { notes.push_back(line); };
    }
    std::string path(const std::string& name) const { return (root / name).string(); }
    std::string piece(const std::string& name) const {
        return "mci open \"" + (root / "music" / (name + ".mid")).string() + "\" alias x1 notify";
    }
    void save(const std::optional<std::string>& answer) {
        platform.file_answers.push_back(answer);
        form.comsave_Click();
    }
    void load(const std::optional<std::string>& answer) {
        notes.clear();
        platform.file_answers.push_back(answer);
        form.comload_Click();
    }
    // Puts the form at a known place with music sounding.
    void playing(std::uint8_t game, std::uint8_t position, std::uint8_t light, const char* music) {
        form.game = game;
        form.position = position;
        form.light = light;
        form.music(music);
    }
    Lines mci() const {
        Lines out;
        for (const auto& n : notes)
            if (n.rfind("mci ", 0) == 0) out.push_back(n);
        return out;
    }
};

TEST(SaveCommands, SaveAsksForAFileAndWritesTheState) {
    SaveFixture f;
    f.playing(7, 3, 1, "mind");
    f.notes.clear();
    f.save(f.path("slot.hzm"));

    ASSERT_EQ(f.platform.file_requests().size(), 1u);
    const FileRequest& r = f.platform.file_requests()[0];
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.title, "ゲームデータの保存");
    EXPECT_EQ(r.initial_dir, f.root.string() + "/");
    EXPECT_EQ(r.filter, "ハザマセーブデータ(*.hzm)|*.hzm|");
    EXPECT_EQ(r.default_extension, "hzm");

    SavedState s;
    ASSERT_EQ(loadgame(f.path("slot.hzm"), s.game, s.position, s.music_file, s.light), 0);
    EXPECT_EQ(s, (SavedState{7, 3, "mind", 1}));
    EXPECT_TRUE(f.platform.message_boxes().empty());
    EXPECT_TRUE(f.notes.empty()) << "a save touches neither music nor picture";

    // Refused values: the message box and no file.
    f.form.game = 51;
    f.save(f.path("refused.hzm"));
    EXPECT_EQ(f.platform.message_boxes(), Lines{"書き込みエラー"});
    EXPECT_EQ(f.notes, Lines{"msgbox 書き込みエラー"});
    EXPECT_FALSE(fs::exists(f.path("refused.hzm")));

    // A cancelled dialog: nothing at all.
    f.notes.clear();
    f.form.game = 7;
    f.save(std::nullopt);
    EXPECT_EQ(f.platform.message_boxes().size(), 1u);
    EXPECT_TRUE(f.notes.empty());
}

TEST(SaveCommands, ASaveThatCannotBeWrittenIsTold) {
    SaveFixture f;
    f.playing(7, 3, 1, "mind");
    std::ofstream(f.path("plain")) << "a file, not a folder";
    ASSERT_EQ(savegame(f.path("old.hzm"), 2, 1, "0", 0), 0);
    // The disk is full: the new file cannot be written beside the old one.
    struct DiskFull : FileCalls {
        ssize_t write(int, const void*, std::size_t) override {
            errno = ENOSPC;
            return -1;
        }
    } full;
    f.notes.clear();

    // The box keeps the game's words; below them, and in the trace, why and which file.
    const std::pair<std::string, int> failures[] = {{f.path("plain/slot.hzm"), ENOTDIR},
                                                    {f.path("no/such/folder/slot.hzm"), ENOENT},
                                                    {f.path("old.hzm"), ENOSPC}};
    for (const auto& [file, error] : failures) {
        f.notes.clear();
        if (error == ENOSPC) {
            const UsingFileCalls filling(full);
            f.save(file);
        } else {
            f.save(file);
        }
        const std::string reason = std::strerror(error);
        EXPECT_EQ(f.notes, (Lines{"msgbox 書き込みエラー", "file-error " + file + ": " + reason}))
            << "nothing but the message box";
        EXPECT_EQ(f.platform.message_box_details().back(), reason + "\n" + file);
    }
    EXPECT_EQ(f.platform.message_boxes(), Lines(3, "書き込みエラー"));
    EXPECT_FALSE(fs::exists(f.path("no/such/folder")));
    SavedState s;
    ASSERT_EQ(loadgame(f.path("old.hzm"), s.game, s.position, s.music_file, s.light), 0);
    EXPECT_EQ(s, (SavedState{2, 1, "0", 0})) << "the older file stays whole";
    EXPECT_EQ(f.form.game, 7);
    EXPECT_EQ(f.form.MusicFile, "mind");
}

TEST(SaveCommands, ASaveIntoAFolderWithoutWritePermissionIsTold) {
    SaveFixture f;
    const fs::path locked = f.root / "locked";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    struct Unlock {
        fs::path p;
        ~Unlock() { fs::permissions(p, fs::perms::owner_all); }
    } unlock{locked};
    if (std::ofstream(locked / "probe")) {
        GTEST_SKIP() << "this user writes even where permission is withheld (root)";
    }
    f.save((locked / "slot.hzm").string());
    EXPECT_EQ(f.platform.message_boxes(), Lines{"書き込みエラー"});
    EXPECT_TRUE(fs::is_empty(locked));
}

TEST(SaveCommands, LoadRestoresTheStateAndReplaysTheArrival) {
    SaveFixture f;
    // In front of the heroine's house at night, just before she goes in: arriving there
    // tells what she expects at home and moves the story on.
    ASSERT_EQ(savegame(f.path("slot.hzm"), 17, 1, "mind", 1), 0);
    // From the title screen, with no new game first.
    f.form.x00 = 2;
    f.load(f.path("slot.hzm"));

    const FileRequest& r = f.platform.file_requests().back();
    EXPECT_FALSE(r.save);
    EXPECT_EQ(r.title, "ゲームデータの読み出し");
    EXPECT_EQ(r.initial_dir, f.root.string() + "/");

    EXPECT_EQ(f.form.game, 18) << "the arrival's story event ran";
    EXPECT_EQ(f.form.position, 1);
    EXPECT_EQ(f.form.light, 1);
    EXPECT_EQ(f.form.MusicFile, "mind");
    EXPECT_EQ(f.form.x00, 2) << "only the saved values change";
    EXPECT_EQ(f.form.f00, 0);
    EXPECT_NE(std::find(f.notes.begin(), f.notes.end(), "picture 1 gra/h03_ied.jpg"),
              f.notes.end());
    EXPECT_FALSE(f.form.visible(Control::comstart));
    for (Control c : {Control::comsave, Control::comload, Control::commove, Control::comtalk,
                      Control::comlook}) {
        EXPECT_TRUE(f.form.visible(c) && f.form.enabled(c)) << int(c);
    }
    EXPECT_TRUE(f.platform.message_boxes().empty());
    const Lines restarted{"mci close x1", "mci close x1", "mci close x1", f.piece("mind"),
                          "mci play x1"};
    EXPECT_EQ(f.mci(), restarted);
    EXPECT_TRUE(f.device.is_playing());

    // Loading the same game while its piece plays starts the piece again from its start,
    // and replays the arrival.
    f.load(f.path("slot.hzm"));
    EXPECT_EQ(f.mci(), restarted);
    EXPECT_EQ(f.form.game, 18);

    // A save made in silence loads to silence.
    ASSERT_EQ(savegame(f.path("quiet.hzm"), 18, 1, "0", 0), 0);
    f.load(f.path("quiet.hzm"));
    EXPECT_EQ(f.form.MusicFile, "0");
    EXPECT_EQ(f.mci(), Lines{"mci close x1"});
    EXPECT_FALSE(f.device.is_open());
}

TEST(SaveCommands, RefusedLoadRestartsTheOldMusic) {
    SaveFixture f;
    f.playing(9, 5, 0, "water2");
    std::ofstream(f.path("bad.hzm")) << "not a save file";
    // A file that exists but fails while being read (the kernel refuses to read the
    // unmapped start of this process's memory) is told like a refused one.
    // Only that one has a reason to give.
    const std::string unreadable = "/proc/self/mem";
    const std::string why = "file-error " + unreadable + ": " + std::strerror(EIO);
    for (const std::string& file : {f.path("bad.hzm"), f.path("missing.hzm"), unreadable}) {
        f.load(file);
        EXPECT_EQ(f.form.game, 9);
        EXPECT_EQ(f.form.position, 5);
        EXPECT_EQ(f.form.MusicFile, "water2");
        Lines told{"mci close x1", "msgbox 読み込みエラー"};
        if (file == unreadable) told.push_back(why);
        told.insert(told.end(), {"mci close x1", f.piece("water2"), "mci play x1"});
        EXPECT_EQ(f.notes, told);
    }
    EXPECT_EQ(f.platform.message_boxes(), Lines(3, "読み込みエラー"));
    EXPECT_EQ(f.platform.message_box_details(),
              (Lines{"", "", std::string(std::strerror(EIO)) + "\n" + unreadable}));

    // In silence, the refusal leaves silence.
    f.form.music(0);
    f.load(f.path("bad.hzm"));
    EXPECT_EQ(f.mci(), Lines{});
    EXPECT_EQ(f.form.MusicFile, "0");

    // A cancelled dialog changes nothing, the music included.
    f.form.music("water2");
    f.load(std::nullopt);
    EXPECT_TRUE(f.notes.empty());
    EXPECT_EQ(f.platform.message_boxes().size(), 4u);
    EXPECT_TRUE(f.device.is_playing());
}

TEST(SaveCommands, AnInstalledGameSavesInThePlayersDataFolder) {
    struct Env {
        std::string name;
        std::optional<std::string> old;
        explicit Env(std::string n) : name(std::move(n)) {
            if (const char* v = std::getenv(name.c_str())) old = v;
        }
        ~Env() { old ? ::setenv(name.c_str(), old->c_str(), 1) : ::unsetenv(name.c_str()); }
    } xdg("XDG_DATA_HOME"), home("HOME");
    const ScratchFolder scratch("data");
    const fs::path& data = scratch.path();
    RecordingMediaDevice device;
    VirtualPlatform platform{device};
    MainForm form{platform, "/nonexistent/hazama"};

    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    platform.file_answers.push_back(std::nullopt);
    form.comsave_Click();
    EXPECT_EQ(platform.file_requests().back().initial_dir, (data / "hazama").string() + "/");
    EXPECT_TRUE(fs::is_directory(data / "hazama"));

    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", data.c_str(), 1);
    platform.file_answers.push_back(std::nullopt);
    form.comload_Click();
    EXPECT_EQ(platform.file_requests().back().initial_dir,
              (data / ".local/share/hazama").string() + "/");
}

}  // namespace
}  // namespace hazama
