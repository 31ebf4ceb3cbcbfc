// The files the game writes for the player (saves, the read record): written whole or not at
// all, and when something fails, why and where.
#pragma once

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hazama {

// A player file that could not be written or read: the file's path and the system's reason.
class FileError : public std::runtime_error {
  public:
    // `error` is the errno value of the failed call.
    FileError(std::string path, int error);

    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }

  private:
    std::string path_;
    std::string reason_;
};

// Replaces the content of `path` with `bytes` so that whatever happens (a full disk, a
// crash, the power going) the file holds either all of its old content or all of the new.
// The bytes go to path + ".new" (a leftover of that name is replaced, and never followed if
// it is a link), are flushed to the disk, renamed over `path`, and the folder is flushed.
// A link at `path` is followed: the linked file is replaced and the link stays. A replaced
// file keeps its permissions; something that is not a plain file, or that the player may
// not write, is left alone. Throws FileError naming the file asked for.
void write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

// Called with each file write_file_atomically has put in place. In the browser the files live
// in memory, and this copies them to the browser's lasting storage; a FileError it throws fails
// the write. The desktop sets none.
void on_file_written(std::function<void(const std::filesystem::path&)> hook);

}  // namespace hazama
