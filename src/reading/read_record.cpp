// The read record's file: "HZMREAD1", the count (32 bits), the sorted hashes (64 bits
// each) and an FNV-1a check over everything before it, all little-endian. It is replaced
// whole or not at all.
#include "reading/read_record.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace hazama {
namespace {

constexpr std::string_view kMagic = "HZMREAD1";
constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t fnv(std::string_view bytes) {
    std::uint64_t h = kFnvOffset;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= kFnvPrime;
    }
    return h;
}

void put(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t get(std::string_view in, std::size_t at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return value;
}

// Holds the record's lock file while the record is read, merged and written: two copies of
// the game playing at once take turns, so neither writes over lines the other has just
// added. A lock that cannot be had within a second (a file system without locks, a copy
// that hangs) is done without: the merge still keeps what the file held when it was read.
class RecordLock {
  public:
    explicit RecordLock(const std::filesystem::path& file) {
        fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd_ < 0) return;
        for (int tries = 0; tries < 100; ++tries) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
            if (errno != EWOULDBLOCK && errno != EINTR) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~RecordLock() {
        if (fd_ >= 0) ::close(fd_);  // lets go of the lock
    }
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;

  private:
    int fd_ = -1;
};

}  // namespace

std::uint64_t ReadRecord::hash(std::string_view text) {
    return fnv(text);
}

std::string ReadRecord::encode(const std::unordered_set<std::uint64_t>& lines) {
    std::vector<std::uint64_t> sorted(lines.begin(), lines.end());
    std::sort(sorted.begin(), sorted.end());
    std::string out(kMagic);
    put(out, sorted.size(), 4);
    for (std::uint64_t h : sorted) put(out, h, 8);
    put(out, fnv(out), 8);
    return out;
}

std::optional<std::unordered_set<std::uint64_t>> ReadRecord::decode(std::string_view bytes) {
    const std::size_t head = kMagic.size() + 4;
    if (bytes.size() < head + 8 || bytes.substr(0, kMagic.size()) != kMagic) return {};
    const std::uint64_t count = get(bytes, kMagic.size(), 4);
    if (bytes.size() != head + count * 8 + 8) return {};
    if (get(bytes, bytes.size() - 8, 8) != fnv(bytes.substr(0, bytes.size() - 8))) return {};
    std::unordered_set<std::uint64_t> lines;
    for (std::uint64_t i = 0; i < count; ++i) lines.insert(get(bytes, head + i * 8, 8));
    return lines;
}

void ReadRecord::load_once() {
    if (loaded_) return;
    loaded_ = true;
    if (!folder_.empty()) take_in_file();
}

void ReadRecord::take_in_file() {
    std::optional<std::unordered_set<std::uint64_t>> lines;
    try {
        lines = decode(read_player_file(file(), kLargestRecord));
    } catch (const FileError& failure) {
        if (failure.missing()) {
            protected_size_ = 0;
            return;
        }
        // Something that is not a plain file, or one too large or unreadable: it counts as
        // nothing read, and is never replaced.
        protected_size_ = UINTMAX_MAX;
        return;
    }
    if (!lines) {
        std::error_code error;
        const auto size = std::filesystem::file_size(file(), error);
        protected_size_ = error ? UINTMAX_MAX : std::max<std::uintmax_t>(size, 1);
        return;
    }
    protected_size_ = 0;
    // Lines marked before the file was read, or since, stay marked.
    lines_.insert(lines->begin(), lines->end());
}

bool ReadRecord::contains(std::string_view text) {
    load_once();
    return lines_.contains(hash(text));
}

void ReadRecord::mark(std::string_view text, std::uint32_t now) {
    load_once();
    if (!clock_started_) {
        clock_started_ = true;
        last_write_ = now;
    }
    if (lines_.insert(hash(text)).second) dirty_ = true;
}

std::size_t ReadRecord::size() {
    load_once();
    return lines_.size();
}

void ReadRecord::save_if_due(std::uint32_t now) {
    if (!dirty_ || now - last_write_ < kWriteInterval) return;
    last_write_ = now;
    save();
}

bool ReadRecord::save() {
    if (!dirty_ || folder_.empty()) return !dirty_;
    load_once();
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    const RecordLock lock(folder_ / kLockName);
    // Another copy of the game sharing the folder may have written lines since: they stay.
    take_in_file();
    const std::string bytes = encode(lines_);
    if (bytes.size() < protected_size_) return false;
    try {
        write_file_atomically(file(), bytes);
    } catch (const FileError& e) {
        failure_ = e;
        return false;
    }
    dirty_ = false;
    protected_size_ = 0;
    return true;
}

std::optional<FileError> ReadRecord::take_failure() {
    return std::exchange(failure_, std::nullopt);
}

}  // namespace hazama
