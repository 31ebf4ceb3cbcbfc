// The read record on disk: what it keeps between runs, when it writes, and how it
// survives files it cannot use.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/form_fixture.h"
#include "reading/read_record.h"

namespace hazama {
namespace {

using testing::ScratchFolder;

std::string bytes_of(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ReadRecord, KeepsWhatWasReadForTheNextRunWritingAtMostEveryFewSeconds) {
    // The hash is FNV-1a: the same in every run and on every machine.
    EXPECT_EQ(ReadRecord::hash(""), 0xcbf29ce484222325ull);
    EXPECT_EQ(ReadRecord::hash("a"), 0xaf63dc4c8601ec8cull);

    ScratchFolder folder("record");
    const auto dir = folder.path() / "data" / "hazama";  // made on the first write
    const auto file = dir / ReadRecord::kFileName;
    {
        ReadRecord record(dir);
        EXPECT_FALSE(record.contains("飛沫「おはよう」"));
        record.mark("飛沫「おはよう」", 1000);
        record.save_if_due(1000);
        record.mark("少年「……」", 3000);
        record.save_if_due(5999);
        EXPECT_FALSE(std::filesystem::exists(file));
        record.save_if_due(6000);
        EXPECT_TRUE(std::filesystem::exists(file));
        EXPECT_FALSE(std::filesystem::exists(dir / "read.dat.new"));
        record.mark("三行目", 6500);
        EXPECT_TRUE(record.save());  // at exit, whatever the time
    }
    ReadRecord again(dir);
    EXPECT_TRUE(again.contains("飛沫「おはよう」"));
    EXPECT_TRUE(again.contains("三行目"));
    EXPECT_FALSE(again.contains("四行目"));
    EXPECT_EQ(again.size(), 3u);
    const auto written = ReadRecord::decode(bytes_of(file));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 3u);
}

TEST(ReadRecord, TheGameWritesItWhileLinesAreShownAndWhenItQuits) {
    testing::FormFixture<> f("record");
    const auto dir = f.folder.path() / "data";
    const auto file = dir / ReadRecord::kFileName;
    f.form.reading().set_data_folder(dir);
    f.platform.reader = [&] { f.form.labmain_Click(); };
    f.platform.set_now(1000);
    f.form.message("一行目");
    f.platform.advance(ReadRecord::kWriteInterval);
    f.form.message("二行目");  // five seconds on: written while playing
    EXPECT_EQ(ReadRecord(dir).size(), 2u);

    f.form.message("三行目");
    EXPECT_EQ(ReadRecord(dir).size(), 2u);
    f.form.comend_Click();  // quitting writes the rest, whoever runs the game
    EXPECT_TRUE(f.platform.closing());
    EXPECT_EQ(ReadRecord(dir).size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".new"));
}

TEST(ReadRecord, DamagedFilesCountAsEmptyAndAreNotReplacedByAShorterRecord) {
    std::unordered_set<std::uint64_t> many;
    for (std::uint64_t i = 0; i < 50; ++i) many.insert(i * 7919);
    const std::string good = ReadRecord::encode(many);
    std::string flipped = good;
    flipped[20] ^= 0x01;
    const std::string damaged[] = {good.substr(0, good.size() - 3), good + "x", flipped,
                                   std::string(600, '\x5a')};
    for (const std::string& bytes : damaged) {
        ScratchFolder folder("record");
        const auto file = folder.path() / ReadRecord::kFileName;
        std::ofstream(file, std::ios::binary) << bytes;
        ReadRecord record(folder.path());
        EXPECT_EQ(record.size(), 0u) << bytes.size();
        record.mark("一行目", 0);
        EXPECT_FALSE(record.save()) << bytes.size();
        EXPECT_EQ(bytes_of(file), bytes);
        // Once ours holds more than the damaged one could have, it takes its place.
        for (int i = 0; i < 80; ++i) record.mark("行 " + std::to_string(i), 0);
        EXPECT_TRUE(record.save());
        EXPECT_EQ(ReadRecord(folder.path()).size(), 81u);
    }
}

TEST(ReadRecord, TwoCopiesOfTheGameSharingOneFolderKeepEachOthersLines) {
    ScratchFolder folder("record-shared");
    // Both started with nothing read; one reads 619 lines and writes, then the other, which
    // read only 14 meanwhile, quits.
    ReadRecord first(folder.path());
    ReadRecord second(folder.path());
    EXPECT_EQ(second.size(), 0u);
    for (int i = 0; i < 619; ++i) first.mark("一 " + std::to_string(i), 0);
    ASSERT_TRUE(first.save());
    for (int i = 0; i < 14; ++i) second.mark("二 " + std::to_string(i), 0);
    ASSERT_TRUE(second.save());
    EXPECT_EQ(ReadRecord(folder.path()).size(), 633u);
    EXPECT_EQ(second.size(), 633u) << "the other's lines count as read here too";

    // Two processes writing at once, each after every few lines: none is lost.
    std::vector<pid_t> copies;
    for (int copy = 0; copy < 2; ++copy) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ReadRecord record(folder.path());
            for (int i = 0; i < 200; ++i) {
                record.mark(std::to_string(copy) + " 行 " + std::to_string(i), 0);
                if (i % 5 == 4 && !record.save()) ::_exit(1);
            }
            ::_exit(0);
        }
        copies.push_back(pid);
    }
    for (const pid_t pid : copies) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(ReadRecord(folder.path()).size(), 633u + 400u);
}

TEST(ReadRecord, AFolderThatCannotBeWrittenLeavesTheRecordInMemory) {
    ScratchFolder folder("record");
    folder.write("blocker", "a file where the folder should be");
    const auto blocked = folder.path() / "blocker" / "hazama";
    ReadRecord record(blocked);
    record.mark("一行目", 0);
    EXPECT_FALSE(record.save());
    EXPECT_TRUE(record.contains("一行目"));
    const auto failure = record.take_failure();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->path(), (blocked / ReadRecord::kFileName).string());
    EXPECT_EQ(failure->reason(), std::strerror(ENOTDIR));
    EXPECT_FALSE(record.take_failure()) << "told once";
    record.save_if_due(10000);  // tries again later, quietly
    EXPECT_TRUE(record.contains("一行目"));

    // The game goes on without a word to the player; the trace says why.
    testing::FormFixture<> f("record");
    std::vector<std::string> notes;
    f.platform.on_note = [&](const std::string& line) { notes.push_back(line); };
    f.platform.reader = [&] { f.form.labmain_Click(); };
    f.form.reading().set_data_folder(blocked);
    f.form.message("一行目");
    f.form.comend_Click();
    EXPECT_EQ(notes.at(1), "file-error " + failure->path() + ": " + failure->reason());
    EXPECT_TRUE(f.platform.message_boxes().empty());

    // The data folder: XDG first, then the home folder.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const bool had_xdg = xdg != nullptr;
    const std::string saved = had_xdg ? xdg : "";
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    setenv("XDG_DATA_HOME", "/somewhere/data", 1);
    EXPECT_EQ(default_data_folder(), std::filesystem::path("/somewhere/data/hazama"));
    setenv("XDG_DATA_HOME", "relative", 1);
    setenv("HOME", "/home/reader", 1);
    EXPECT_EQ(default_data_folder(), std::filesystem::path("/home/reader/.local/share/hazama"));
    setenv("HOME", home.c_str(), 1);
    if (had_xdg) {
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

}  // namespace
}  // namespace hazama
