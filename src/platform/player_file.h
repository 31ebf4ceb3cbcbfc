// The files the game reads and writes for the player (saves, slots, the read record, the
// settings) and the data files it reads (the catalogue, the staff file): read only when
// they are plain files of a sensible size, written whole or not at all, and when
// something fails, why and where.
#pragma once

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hazama {

// A file that could not be written or read: the file's path and the reason.
class FileError : public std::runtime_error {
  public:
    // `error` is the errno value of the failed call.
    FileError(std::string path, int error);
    // A reason of the game's own (the file is not what it should be), with the errno value
    // closest to it.
    FileError(std::string path, std::string reason, int error);

    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }
    int error() const { return error_; }
    // The file is not there at all (rather than there and unusable): no such name, or a
    // file where one of its folders should be.
    bool missing() const { return error_ == ENOENT || error_ == ENOTDIR; }

  private:
    std::string path_;
    std::string reason_;
    int error_;
};

// The most any file of the game's or the player's is read into memory; a larger one is
// refused. Readers pass a smaller cap of their own.
inline constexpr std::size_t kLargestFile = std::size_t{64} << 20;

// The whole of the file at `path`. Only a plain file is read (a link to one is followed):
// a folder, a pipe, a device or a socket is refused without waiting on it, as is a file
// of more than `most` bytes. Throws FileError: missing() when there is no such file.
std::string read_player_file(const std::filesystem::path& path, std::size_t most);
// The first `count` bytes of a plain file, or all of a shorter one; refused as above.
std::string read_file_head(const std::filesystem::path& path, std::size_t count);

// Replaces the content of `path` with `bytes` so that whatever happens (a full disk, a
// crash, the power going, another copy of the game writing the same file) the file holds
// either all of its old content or all of one write's new content: the last writer's.
// The bytes go to a temporary name beside it that no other write uses (created afresh,
// never through a link), are flushed to the disk, renamed over `path`, and the folder is
// flushed. Temporary files that a write killed part-way left behind are removed. A link at
// `path` is followed: the linked file is replaced and the link stays. A replaced file
// keeps its permissions; something that is not a plain file, or that the player may not
// write, is left alone. Throws FileError naming the file asked for.
void write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

// Called with each file write_file_atomically has put in place. In the browser the files live
// in memory, and this copies them to the browser's lasting storage; a FileError it throws fails
// the write. The desktop sets none.
void on_file_written(std::function<void(const std::filesystem::path&)> hook);

// Whether `name` is one of the temporary names write_file_atomically gives `target`.
bool is_temporary_of(const std::filesystem::path& target, std::string_view name);

}  // namespace hazama
