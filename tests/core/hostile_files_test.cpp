// Every reader of the game's files on what is not a file of its kind: a pipe nobody writes,
// a folder, a link to /dev/zero and a file of 64 GB in place of a slot, the read record, the
// catalogue, the staff file, the settings file and a save. Each is refused (or counts as
// empty) at once, with its reason where the player is told one; none waits, aborts or
// reads without end.
#include <gtest/gtest.h>

#include "core/form_fixture.h"  // ScratchFolder
#include "core/hostile_file.h"
#include "platform/player_file.h"
#include "platform/settings_file.h"
#include "reading/read_record.h"
#include "replay/replayer.h"
#include "replay/slot_file.h"
#include "save/save_file.h"
#include "sequences/staff_file.h"
#include "text/catalogue.h"

namespace hazama {
namespace {

namespace fs = std::filesystem;
using testing::Hostile;
using testing::Outcome;
using testing::ScratchFolder;

struct Reader {
    const char* name;
    fs::path file;  // below the scratch folder
    // True when the reader did what it should with what lies at the path.
    std::function<bool(const fs::path& folder, const fs::path& file)> reads;
};

const Reader kReaders[] = {
    {"a slot", "saves/slot01.hzs",
     [](const fs::path&, const fs::path& file) {
         std::string why;
         return !read_slot(file, why) && why.starts_with("it cannot be read: ");
     }},
    {"the read record", ReadRecord::kFileName,
     [](const fs::path& folder, const fs::path& file) {
         const auto before = fs::symlink_status(file).type();
         ReadRecord record(folder);
         record.mark("一行目", 0);
         // Nothing read, and what lies there is never replaced.
         const bool kept = !record.save() && fs::symlink_status(file).type() == before &&
                           (before != fs::file_type::regular || fs::file_size(file) == 1ull << 36);
         return record.size() == 1 && kept;
     }},
    {"the catalogue", "locale/en/LC_MESSAGES/hazama.mo",
     [](const fs::path& folder, const fs::path&) {
         // As the game reads it: the first time English is chosen.
         Translator translator(folder);
         translator.set_language(Language::en);
         return translator.text("書き込みエラー") == "書き込みエラー" &&
                translator.load_error().find("cannot read") != std::string::npos;
     }},
    {"the staff file", "gra/staff.txt",
     [](const fs::path&, const fs::path& file) {
         try {
             read_staff_items(file);
         } catch (const FatalError& e) {
             return std::string(e.what()).find(file.string()) != std::string::npos;
         }
         return false;
     }},
    {"the settings file", "config/hazama/settings.ini",
     [](const fs::path&, const fs::path& file) { return read_settings_file(file).empty(); }},
    {"a save", "saves/a.hzm",
     [](const fs::path&, const fs::path& file) {
         SavedState s{7, 7, "kept", 0};
         int result = 0;
         try {
             result = loadgame(file.string(), s.game, s.position, s.music_file, s.light);
         } catch (const FileError&) {
             result = 1;
         }
         return result == 1 && s == SavedState{7, 7, "kept", 0};
     }},
};

TEST(HostileFiles, EveryReaderRefusesWhatIsNoFileOfItsKindAtOnce) {
    for (const Reader& reader : kReaders) {
        for (const Hostile kind : testing::kHostileFiles) {
            ScratchFolder folder("hostile");
            const fs::path file = folder.path() / reader.file;
            testing::put_hostile(file, kind);
            const Outcome outcome =
                testing::run_apart([&] { return reader.reads(folder.path(), file); });
            EXPECT_EQ(outcome, Outcome::right)
                << reader.name << " on " << testing::hostile_name(kind) << ": "
                << testing::outcome_name(outcome);
        }
    }
}

TEST(HostileFiles, TheGuardedReaderSaysWhyAndCapsWhatItReads) {
    ScratchFolder folder("guarded");
    const fs::path file = folder.path() / "f";
    const std::pair<Hostile, int> refusals[] = {{Hostile::pipe, EINVAL},
                                                {Hostile::folder, EISDIR},
                                                {Hostile::zeros, EINVAL},
                                                {Hostile::huge, EFBIG}};
    for (const auto& [kind, error] : refusals) {
        testing::put_hostile(file, kind);
        try {
            read_player_file(file, 1 << 20);
            ADD_FAILURE() << testing::hostile_name(kind) << " was read";
        } catch (const FileError& e) {
            EXPECT_EQ(e.error(), error) << testing::hostile_name(kind);
            EXPECT_EQ(e.path(), file.string());
            EXPECT_FALSE(e.missing());
        }
    }
    fs::remove_all(file);
    folder.write("f", "0123456789");
    EXPECT_EQ(read_player_file(file, 10), "0123456789");
    EXPECT_THROW(read_player_file(file, 9), FileError);
    EXPECT_EQ(read_file_head(file, 4), "0123");
    EXPECT_EQ(read_file_head(file, 40), "0123456789");
    // Through a link to a plain file, as a player's own file may be.
    fs::create_symlink(file, folder.path() / "link");
    EXPECT_EQ(read_player_file(folder.path() / "link", 10), "0123456789");
    try {
        read_player_file(folder.path() / "none", 10);
        ADD_FAILURE() << "a missing file was read";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.missing());
    }
}

TEST(HostileFiles, ASlotsPicturesAreDecodedAheadOnlyFromTheGamesPictureFolder) {
    ScratchFolder root("listed");
    root.write("gra/a.jpg", "a picture");
    root.write("gra/window/b.gif", "another");
    root.write("secret.jpg", "not the game's");
    fs::create_symlink(root.path() / "secret.jpg", root.path() / "gra" / "link.jpg");
    testing::put_hostile(root.path() / "gra" / "pipe.jpg", Hostile::pipe);
    const std::vector<std::string> listed = {
        "gra/a.jpg",        "gra/../secret.jpg", "gra/link.jpg", "../../../etc/passwd",
        "gra/window/b.gif", "/etc/passwd",       "gra/pipe.jpg", "gra/none.jpg"};
    // The pipe lies in gra/: the decoder refuses it as it refuses any pipe.
    EXPECT_EQ(listed_picture_paths(root.path(), listed),
              (std::vector<std::string>{(root.path() / "gra/a.jpg").string(),
                                        (root.path() / "gra/window/b.gif").string(),
                                        (root.path() / "gra/pipe.jpg").string()}));
}

}  // namespace
}  // namespace hazama
