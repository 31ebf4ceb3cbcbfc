// The one atomic write: the order of its calls (the bytes on the disk before the rename),
// what a full disk or a read-only folder leaves (the old file whole, the reason told), a
// temporary name of its own for every write, what killed writes left behind, and two
// processes writing one file at once.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <set>
#include <vector>

#include "core/form_fixture.h"
#include "platform/data_folder.h"
#include "platform/file_calls.h"
#include "platform/player_file.h"

namespace hazama {
namespace {

namespace fs = std::filesystem;
using testing::bytes_of;
using testing::ScratchFolder;

// Records each call, and fails the one named in `fail_at` with `error`.
struct RecordingCalls : FileCalls {
    std::vector<std::string> calls;
    std::string fail_at;
    int error = 0;
    std::set<int> written;  // descriptors opened for writing

    bool failing(const char* name) {
        calls.emplace_back(name);
        if (fail_at != name) return false;
        errno = error;
        return true;
    }
    int open(const char* path, int flags, mode_t mode) override {
        const bool for_writing = (flags & O_WRONLY) != 0;
        if (failing(for_writing ? "open-temporary" : "open-folder")) return -1;
        const int fd = FileCalls::open(path, flags, mode);
        if (for_writing) written.insert(fd);
        return fd;
    }
    ssize_t write(int fd, const void* bytes, std::size_t size) override {
        if (failing("write")) return -1;
        return FileCalls::write(fd, bytes, size);
    }
    int fsync(int fd) override {
        if (failing(written.contains(fd) ? "fsync-temporary" : "fsync-folder")) return -1;
        return FileCalls::fsync(fd);
    }
    int close(int fd) override {
        written.erase(fd);
        if (failing("close")) return -1;
        return FileCalls::close(fd);
    }
    int rename(const char* from, const char* to) override {
        if (failing("rename")) return -1;
        return FileCalls::rename(from, to);
    }
};

// The folder's entries other than `kept`.
std::vector<std::string> others_in(const fs::path& folder, const std::string& kept) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename() != kept) names.push_back(entry.path().filename().string());
    return names;
}

TEST(AtomicWrite, TheBytesReachTheDiskBeforeTheNameAndTheFolderAfterIt) {
    ScratchFolder folder("atomic");
    const fs::path file = folder.path() / "slot.hzs";
    RecordingCalls calls;
    {
        const UsingFileCalls using_them(calls);
        write_file_atomically(file, "new");
    }
    EXPECT_EQ(calls.calls,
              (std::vector<std::string>{"open-temporary", "write", "fsync-temporary", "close",
                                        "rename", "open-folder", "fsync-folder", "close"}));
    EXPECT_EQ(bytes_of(file), "new");
    EXPECT_TRUE(others_in(folder.path(), "slot.hzs").empty());
}

TEST(AtomicWrite, AFullDiskOrAReadOnlyFolderLeavesTheOldFileWholeAndSaysWhy) {
    ScratchFolder folder("atomic");
    const fs::path file = folder.path() / "slot.hzs";
    const std::pair<std::string, int> failures[] = {
        {"open-temporary", EROFS}, {"open-temporary", EACCES}, {"write", ENOSPC},
        {"fsync-temporary", EIO},  {"close", EDQUOT},          {"rename", ENOSPC}};
    for (const auto& [call, error] : failures) {
        write_file_atomically(file, "old");
        RecordingCalls calls;
        calls.fail_at = call;
        calls.error = error;
        try {
            const UsingFileCalls using_them(calls);
            write_file_atomically(file, "new content");
            ADD_FAILURE() << call << " failed and the write said nothing";
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), file.string());
            EXPECT_EQ(e.reason(), std::strerror(error)) << call;
        }
        EXPECT_EQ(bytes_of(file), "old") << call;
        EXPECT_TRUE(others_in(folder.path(), "slot.hzs").empty()) << call << ": nothing left";
    }
}

TEST(AtomicWrite, EachWriteHasATemporaryNameOfItsOwnAndLeftoversOfKilledWritesGo) {
    ScratchFolder folder("atomic");
    const fs::path file = folder.path() / "auto.hzs";
    // What a write killed part-way leaves: a temporary file of a process that is gone.
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string leftover = "auto.hzs.tmp-" + std::to_string(gone) + "-0-1";
    folder.write(leftover, "half a slot");
    fs::last_write_time(folder.path() / leftover,
                        fs::file_time_type::clock::now() - std::chrono::minutes(5));
    // One of a copy that still runs (this one, say) stays: it may be writing now.
    const std::string running = "auto.hzs.tmp-" + std::to_string(::getppid()) + "-0-1";
    folder.write(running, "being written");
    fs::last_write_time(folder.path() / running,
                        fs::file_time_type::clock::now() - std::chrono::minutes(5));

    std::set<std::string> temporaries;
    struct NamingCalls : RecordingCalls {
        std::set<std::string>* names;
        int open(const char* path, int flags, mode_t mode) override {
            if ((flags & O_WRONLY) != 0) names->insert(path);
            return RecordingCalls::open(path, flags, mode);
        }
    } naming;
    naming.names = &temporaries;
    {
        const UsingFileCalls using_them(naming);
        for (int i = 0; i < 3; ++i) write_file_atomically(file, "write " + std::to_string(i));
    }
    EXPECT_EQ(temporaries.size(), 3u);
    for (const std::string& name : temporaries)
        EXPECT_TRUE(is_temporary_of(file, fs::path(name).filename().string())) << name;
    EXPECT_FALSE(is_temporary_of(file, "auto.hzs"));
    EXPECT_FALSE(is_temporary_of(file, "auto.hzs.new"));
    EXPECT_FALSE(fs::exists(folder.path() / leftover));
    EXPECT_TRUE(fs::exists(folder.path() / running));
    EXPECT_EQ(bytes_of(file), "write 2");
}

TEST(AtomicWrite, TwoProcessesWritingOneFileLeaveOneWriteWholeTheLast) {
    ScratchFolder folder("atomic");
    const fs::path file = folder.path() / "quick.hzs";
    // Each writer's content is long and its own, so a mixed or cut file would show.
    const auto content = [](int writer, int round) {
        return std::string(20000 + writer * 7 + round % 5, static_cast<char>('a' + writer)) +
               std::to_string(round);
    };
    write_file_atomically(file, content(0, 0));
    constexpr int kRounds = 150;
    std::vector<pid_t> writers;
    for (int w = 1; w <= 2; ++w) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            try {
                for (int r = 0; r < kRounds; ++r) write_file_atomically(file, content(w, r));
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        writers.push_back(pid);
    }
    std::set<std::string> possible{content(0, 0)};
    for (int w = 1; w <= 2; ++w)
        for (int r = 0; r < kRounds; ++r) possible.insert(content(w, r));
    int reads = 0;
    int status = 0;
    // Reads while they write: every one is some write's whole content.
    for (int alive = 2; alive > 0;) {
        const std::string seen = read_player_file(file, 1 << 20);
        EXPECT_TRUE(possible.contains(seen))
            << "a mixed or cut file of " << seen.size() << " bytes";
        ++reads;
        alive = 0;
        for (const pid_t pid : writers) alive += ::waitpid(pid, &status, WNOHANG) == 0 ? 1 : 0;
    }
    for (const pid_t pid : writers) ::waitpid(pid, &status, 0);
    EXPECT_GT(reads, 0);
    const std::string last = bytes_of(file);
    EXPECT_TRUE(last == content(1, kRounds - 1) || last == content(2, kRounds - 1));
    EXPECT_TRUE(others_in(folder.path(), "quick.hzs").empty());
}

TEST(PlayerFolders, WithoutHomeTheUserDatabaseGivesTheHome) {
    const auto saved = [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    const auto home = saved("HOME"), config = saved("XDG_CONFIG_HOME"),
               data = saved("XDG_DATA_HOME");
    const auto restore = [](const char* name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    };
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", "/home/reader", 1);
    EXPECT_EQ(settings_file_path(), fs::path("/home/reader/.config/hazama/settings.ini"));
    setenv("XDG_CONFIG_HOME", "/elsewhere", 1);
    EXPECT_EQ(settings_file_path(), fs::path("/elsewhere/hazama/settings.ini"));
    setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(settings_file_path(), fs::path("/home/reader/.config/hazama/settings.ini"));
    for (const char* unusable : {"", "relative/home"}) {
        setenv("HOME", unusable, 1);
        const fs::path from_database = home_folder();
        EXPECT_TRUE(from_database.empty() || from_database.is_absolute()) << from_database;
        if (!from_database.empty()) {
            EXPECT_EQ(settings_file_path(), from_database / ".config/hazama/settings.ini");
            EXPECT_EQ(default_data_folder(), from_database / ".local/share/hazama");
        }
    }
    unsetenv("HOME");
    EXPECT_EQ(home_folder().empty(), default_data_folder().empty());
    EXPECT_EQ(settings_file_path().string().find("//"), std::string::npos)
        << "no //.config for a missing HOME";
    restore("HOME", home);
    restore("XDG_CONFIG_HOME", config);
    restore("XDG_DATA_HOME", data);
}

}  // namespace
}  // namespace hazama
