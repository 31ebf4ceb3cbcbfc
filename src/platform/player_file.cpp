// Reading and writing player files: plain files only, written beside the old one, flushed,
// renamed.
#include "platform/player_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <charconv>
#include <chrono>
#include <cstring>
#include <random>

#include "platform/file_calls.h"

namespace hazama {
namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";
// A temporary file is taken for a leftover only when its writer is gone and it is older
// than this: a writer of another process namespace may look gone.
constexpr auto kLeftoverAge = std::chrono::seconds(10);

bool write_all(FileCalls& calls, int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Flushes the folder, so that the rename is on the disk too. A folder the game may not open
// for reading, or a file system that cannot flush folders, leaves it to the system.
int flush_folder(FileCalls& calls, const std::filesystem::path& folder) {
    const int fd =
        calls.open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return 0;
    int error = 0;
    if (calls.fsync(fd) != 0 && errno != EINVAL) error = errno;
    calls.close(fd);
    return error;
}

std::function<void(const std::filesystem::path&)>& written_hook() {
    static std::function<void(const std::filesystem::path&)> hook;
    return hook;
}

[[noreturn]] void fail(const std::filesystem::path& path, int error) {
    throw FileError(path.string(), error);
}

// A name beside `target` that no other write of this or another process uses.
std::string temporary_name(const std::filesystem::path& target) {
    static std::atomic<unsigned> count{0};
    static const unsigned salt = std::random_device{}();
    return target.string() + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" +
           std::to_string(count++) + "-" + std::to_string(salt % 100000);
}

// The process that wrote temporary file `name` of `target`; 0 when the name is none.
pid_t writer_of(const std::filesystem::path& target, std::string_view name) {
    const std::string prefix = target.filename().string() + std::string(kTemporaryMark);
    if (!name.starts_with(prefix)) return 0;
    name.remove_prefix(prefix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || end == name.data() + name.size() || *end != '-') return 0;
    return pid > 0 ? pid : 0;
}

// Removes what writes of `target` killed part-way left behind (their process is gone).
void remove_leftovers(const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const auto now = fs::file_time_type::clock::now();
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        const pid_t pid = writer_of(target, name);
        if (pid == 0 || pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH) continue;
        const auto when = fs::last_write_time(entry.path(), ec);
        if (!ec && now - when > kLeftoverAge) fs::remove(entry.path(), ec);
    }
}

// Opens a plain file for reading, refusing anything else before it could block.
int open_plain(FileCalls& calls, const std::filesystem::path& path, std::size_t most,
               std::size_t& size) {
    struct stat seen {};
    if (::stat(path.c_str(), &seen) != 0) fail(path, errno);
    if (S_ISDIR(seen.st_mode)) fail(path, EISDIR);
    if (!S_ISREG(seen.st_mode)) throw FileError(path.string(), "not a plain file", EINVAL);
    // Non-blocking: what was swapped for a pipe since cannot hold the open.
    const int fd = calls.open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0);
    if (fd < 0) fail(path, errno);
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        calls.close(fd);
        throw FileError(path.string(), "not a plain file", EINVAL);
    }
    size = static_cast<std::size_t>(opened.st_size);
    if (most != 0 && size > most) {
        calls.close(fd);
        fail(path, EFBIG);
    }
    return fd;
}

// Up to `most` bytes from `fd`, closing it; `refuse_more`: one byte past them is an error.
std::string read_from(FileCalls& calls, int fd, const std::filesystem::path& path,
                      std::size_t expected, std::size_t most, bool refuse_more) {
    std::string bytes(std::min(expected, most) + (refuse_more ? 1 : 0), '\0');
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            // A file that grew since: read on, within the cap.
            if (done >= most + (refuse_more ? 1 : 0)) break;
            bytes.resize(std::min(bytes.size() * 2 + 4096, most + (refuse_more ? 1 : 0)));
        }
        const ssize_t n = calls.read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            calls.close(fd);
            fail(path, error);
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    calls.close(fd);
    if (refuse_more && done > most) fail(path, EFBIG);
    bytes.resize(done);
    return bytes;
}

}  // namespace

FileError::FileError(std::string path, int error)
    : FileError(std::move(path), std::strerror(error), error) {}

FileError::FileError(std::string path, std::string reason, int error)
    : std::runtime_error(path + ": " + reason),
      path_(std::move(path)),
      reason_(std::move(reason)),
      error_(error) {}

std::string read_player_file(const std::filesystem::path& path, std::size_t most) {
    FileCalls& calls = FileCalls::used();
    std::size_t size = 0;
    const int fd = open_plain(calls, path, most, size);
    return read_from(calls, fd, path, size, most, true);
}

std::string read_file_head(const std::filesystem::path& path, std::size_t count) {
    FileCalls& calls = FileCalls::used();
    std::size_t size = 0;
    const int fd = open_plain(calls, path, 0, size);
    return read_from(calls, fd, path, size, count, false);
}

bool is_temporary_of(const std::filesystem::path& target, std::string_view name) {
    return writer_of(target, name) != 0;
}

void write_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
    FileCalls& calls = FileCalls::used();
    std::filesystem::path target = path;
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec))) {
        auto real = std::filesystem::canonical(target, ec);
        if (!ec) target = real;
    }
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode)) fail(path, EISDIR);
    if (replacing && !S_ISREG(old.st_mode)) fail(path, EPERM);
    if (replacing && ::access(target.c_str(), W_OK) != 0) fail(path, errno);

    remove_leftovers(target);
    // What an earlier build left under its one temporary name goes too.
    ::unlink((target.string() + ".new").c_str());
    // Created afresh: never through a link someone left under that name.
    const std::string temp = temporary_name(target);
    const int fd = calls.open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) fail(path, errno);
    if (replacing) (void)::fchmod(fd, old.st_mode & 07777);
    bool ok = write_all(calls, fd, bytes) && calls.fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (calls.close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && calls.rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        fail(path, error);
    }
    if (const int folder_error = flush_folder(calls, target.parent_path()))
        fail(path, folder_error);
    if (written_hook()) written_hook()(target);
}

void on_file_written(std::function<void(const std::filesystem::path&)> hook) {
    written_hook() = std::move(hook);
}

}  // namespace hazama
