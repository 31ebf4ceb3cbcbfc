// Files that are not what a reader expects, put where it looks: a pipe nobody writes, a
// folder, a link to /dev/zero (endless bytes) and a file far too large; and a way to run a
// reader on one so that a reader that waits for ever fails the test instead of hanging it.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

namespace hazama::testing {

enum class Hostile { pipe, folder, zeros, huge };
inline constexpr Hostile kHostileFiles[] = {Hostile::pipe, Hostile::folder, Hostile::zeros,
                                            Hostile::huge};

inline const char* hostile_name(Hostile kind) {
    switch (kind) {
        case Hostile::pipe:
            return "a pipe";
        case Hostile::folder:
            return "a folder";
        case Hostile::zeros:
            return "a link to /dev/zero";
        case Hostile::huge:
            return "a file of 64 GB";
    }
    return "";
}

// Puts `kind` at `path` (its folder made first), in place of whatever was there.
inline void put_hostile(const std::filesystem::path& path, Hostile kind) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    std::filesystem::remove_all(path, ec);
    switch (kind) {
        case Hostile::pipe:
            ::mkfifo(path.c_str(), 0600);
            break;
        case Hostile::folder:
            std::filesystem::create_directory(path, ec);
            break;
        case Hostile::zeros:
            std::filesystem::create_symlink("/dev/zero", path, ec);
            break;
        case Hostile::huge: {
            // Sparse: it takes no room, only its size says 64 GB.
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (fd >= 0) {
                (void)::ftruncate(fd, off_t{1} << 36);
                ::close(fd);
            }
            break;
        }
    }
}

// How a reader run apart ended.
enum class Outcome { right, wrong, hung, crashed };

// Runs `reader` in a process of its own: right when it returns true, wrong when false,
// crashed when it dies (an abort, an uncaught exception), hung when it has not ended
// within `seconds` (it is killed then).
inline Outcome run_apart(const std::function<bool()>& reader, int seconds = 10) {
    const pid_t child = ::fork();
    if (child == 0) {
        bool ok = false;
        try {
            ok = reader();
        } catch (...) {
            ::_exit(3);
        }
        ::_exit(ok ? 0 : 1);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return Outcome::hung;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 3) return Outcome::crashed;
    return WEXITSTATUS(status) == 0 ? Outcome::right : Outcome::wrong;
}

inline const char* outcome_name(Outcome outcome) {
    switch (outcome) {
        case Outcome::right:
            return "right";
        case Outcome::wrong:
            return "wrong";
        case Outcome::hung:
            return "hung";
        case Outcome::crashed:
            return "crashed";
    }
    return "";
}

}  // namespace hazama::testing
