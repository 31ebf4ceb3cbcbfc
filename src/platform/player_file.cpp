// The files the game writes for the player: written beside the old one, flushed, renamed.
#include "platform/player_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace hazama {
namespace {

bool write_all(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
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
int flush_folder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    int error = 0;
    if (::fsync(fd) != 0 && errno != EINVAL) error = errno;
    ::close(fd);
    return error;
}

std::function<void(const std::filesystem::path&)>& written_hook() {
    static std::function<void(const std::filesystem::path&)> hook;
    return hook;
}

[[noreturn]] void fail(const std::filesystem::path& path, int error) {
    throw FileError(path.string(), error);
}

}  // namespace

FileError::FileError(std::string path, int error)
    : std::runtime_error(path + ": " + std::strerror(error)),
      path_(std::move(path)),
      reason_(std::strerror(error)) {}

void write_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
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

    // Creating afresh never follows a link someone left under the temporary name.
    const std::string temp = target.string() + ".new";
    ::unlink(temp.c_str());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) fail(path, errno);
    if (replacing) (void)::fchmod(fd, old.st_mode & 07777);
    bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        fail(path, error);
    }
    if (const int folder_error = flush_folder(target.parent_path())) fail(path, folder_error);
    if (written_hook()) written_hook()(target);
}

void on_file_written(std::function<void(const std::filesystem::path&)> hook) {
    written_hook() = std::move(hook);
}

}  // namespace hazama
