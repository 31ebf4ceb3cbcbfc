// The system calls a player file is written and read through. The game uses the system's
// own; a test puts in calls of its own to see their order or to make one fail as a full
// disk or a read-only folder would.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace hazama {

// Each call does what the system's call of that name does, unless a kind of it says else.
class FileCalls {
  public:
    virtual ~FileCalls() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t read(int fd, void* into, std::size_t size);
    virtual ssize_t write(int fd, const void* bytes, std::size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);

    // The calls in force: the system's, unless a test has put others in.
    static FileCalls& used();
};

// Puts `calls` in force for as long as it lives (for tests; one thread at a time).
class UsingFileCalls {
  public:
    explicit UsingFileCalls(FileCalls& calls);
    ~UsingFileCalls();
    UsingFileCalls(const UsingFileCalls&) = delete;
    UsingFileCalls& operator=(const UsingFileCalls&) = delete;

  private:
    FileCalls* before_;
};

}  // namespace hazama
