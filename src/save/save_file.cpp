// The save file: the XOR chain behind the header, the checks on load, and the file I/O.
#include "save/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "save/save_name.h"

namespace hazama {
namespace {

// A fresh random byte for every save, from a generator seeded once per run.
std::uint8_t random_byte() {
    static std::mt19937 generator{std::random_device{}()};
    return static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(generator));
}

[[noreturn]] void fail(const std::string& what, const std::string& path, int error) {
    throw SaveFileError(what + " " + path + ": " + std::strerror(error));
}

// A name the music command can join to the music folder without leaving it. A quote
// would end the quoted path of the open command, and a NUL would cut it short.
bool plain_file_name(const std::string& name) {
    return name != "." && name != ".." &&
           name.find_first_of(std::string("/\\\"\0", 4)) == std::string::npos;
}

bool write_all(int fd, const std::vector<std::uint8_t>& bytes) {
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

// Writes `bytes` to path + ".new" and renames it over `path`. A file the game may not
// write, or something that is not a plain file, is left alone.
void write_replacing(const std::string& file_name, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path target = file_name;
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec))) {
        // Replace the file the link points to, not the link.
        auto real = std::filesystem::canonical(target, ec);
        if (!ec) target = real;
    }
    const std::string path = target.string();
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) fail("not a plain file:", path, EISDIR);
    if (replacing && ::access(path.c_str(), W_OK) != 0) fail("cannot write", path, errno);

    // A leftover from an interrupted save is replaced; creating afresh never follows a link
    // someone left under that name.
    const std::string temp = path + ".new";
    ::unlink(temp.c_str());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) fail("cannot create", temp, errno);
    if (replacing) (void)::fchmod(fd, old.st_mode & 07777);
    bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        fail("cannot write", path, error);
    }
}

// The first kLongestSave bytes of the file, or all of a shorter one.
std::vector<std::uint8_t> read_head(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) fail("cannot open", path, errno);
    std::vector<std::uint8_t> bytes(kLongestSave);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            fail("cannot read", path, error);
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> encode_save(std::uint8_t game, std::uint8_t position,
                                                     const std::string& music_file,
                                                     std::int32_t light, std::uint8_t random) {
    if (game > 50 || position > 20 || light < 0 || light > 1) return std::nullopt;
    const auto name = name_to_bytes(music_file);
    if (!name || name->size() > 255) return std::nullopt;

    std::vector<std::uint8_t> bytes(kSaveHeader.begin(), kSaveHeader.end());
    std::uint8_t k = random;
    bytes.push_back(k);
    auto chain = [&](std::uint8_t value) {
        k ^= value;
        bytes.push_back(k);
    };
    chain(game);
    chain(position);
    chain(static_cast<std::uint8_t>(name->size()));
    for (unsigned char c : *name) chain(c);
    chain(static_cast<std::uint8_t>(light));
    chain(random);
    return bytes;
}

std::optional<SavedState> decode_save(std::span<const std::uint8_t> b) {
    if (b.size() < kSaveHeader.size() ||
        !std::equal(kSaveHeader.begin(), kSaveHeader.end(), b.begin()))
        return std::nullopt;
    if (b.size() < 12) return std::nullopt;
    const std::uint8_t random = b[8];
    SavedState state;
    state.game = b[9] ^ random;
    state.position = b[10] ^ b[9];
    const std::size_t n = b[11] ^ b[10];
    // A file that ends before its check byte is refused like a failed check.
    if (b.size() < 14 + n) return std::nullopt;

    std::string name(n, ' ');
    std::uint8_t previous = b[11];
    for (std::size_t i = 0; i < n; ++i) {
        name[i] = static_cast<char>(b[12 + i] ^ previous);
        previous = b[12 + i];
    }
    const std::uint8_t l = b[12 + n];
    state.light = l ^ previous;
    if ((b[13 + n] ^ l) != random) return std::nullopt;
    if (state.game > 50 || state.position > 20 || state.light > 1) return std::nullopt;

    const auto first = name.find_first_not_of(' ');
    name = first == std::string::npos ? ""
                                      : name.substr(first, name.find_last_not_of(' ') - first + 1);
    auto text = name_from_bytes(name);
    if (!text || !plain_file_name(*text)) return std::nullopt;
    state.music_file = std::move(*text);
    return state;
}

std::uint8_t savegame(const std::string& file_name, std::uint8_t game, std::uint8_t position,
                      const std::string& music_file, std::int32_t light) {
    const auto bytes = encode_save(game, position, music_file, light, random_byte());
    if (!bytes) return 1;
    write_replacing(file_name, *bytes);
    return 0;
}

int loadgame(const std::string& file_name, std::uint8_t& game, std::uint8_t& position,
             std::string& music_file, std::uint8_t& light) {
    std::error_code ec;
    if (file_name.empty() || !std::filesystem::is_regular_file(file_name, ec)) return 1;
    const auto state = decode_save(read_head(file_name));
    if (!state) return 1;
    game = state->game;
    position = state->position;
    music_file = state->music_file;
    light = state->light;
    return 0;
}

}  // namespace hazama
