// The save file: exact bytes, round trips at the limits, refusals, tampered and truncated
// files, and what a failed or shorter save does to the file it replaces.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/file_calls.h"
#include "save/save_file.h"

namespace hazama {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct TempDir {
    fs::path dir;
    TempDir() {
        static std::atomic<int> counter{0};
        dir = fs::temp_directory_path() /
              ("hazama-save-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(dir);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    std::string operator/(const std::string& name) const { return (dir / name).string(); }
};

Bytes read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void write_file(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A file chained by hand from raw values, with no range check: for files the game would
// never write.
Bytes chained(std::uint8_t random, std::vector<std::uint8_t> values) {
    Bytes bytes(kSaveHeader.begin(), kSaveHeader.end());
    std::uint8_t k = random;
    bytes.push_back(k);
    values.push_back(random);
    for (std::uint8_t v : values) bytes.push_back(k ^= v);
    return bytes;
}

// The state loadgame gives, or nothing when it refuses; refusals must leave the outputs
// exactly as they were.
std::optional<SavedState> load(const std::string& path) {
    SavedState s{77, 88, "untouched", 99};
    if (loadgame(path, s.game, s.position, s.music_file, s.light) == 0) return s;
    EXPECT_EQ(s, (SavedState{77, 88, "untouched", 99})) << "a refused load changed its outputs";
    return std::nullopt;
}

std::optional<SavedState> decode(const Bytes& b) {
    return decode_save(b);
}

const Bytes kMind = {0xFF, 0x73, 0x61, 0x76, 0x48, 0x41, 0x5A, 0x4D, 0x5A,
                     0x59, 0x50, 0x54, 0x39, 0x50, 0x3E, 0x5A, 0x5B, 0x01};  // 3, 9, "mind", 1

TEST(SaveFile, LayoutByteForByte) {
    EXPECT_EQ(encode_save(3, 9, "mind", 1, 0x5A), kMind);
    EXPECT_EQ(decode(kMind), (SavedState{3, 9, "mind", 1}));
    // Bytes beyond the check byte (an older, longer save's tail) are never read.
    Bytes with_tail = kMind;
    with_tail.insert(with_tail.end(), {0x12, 0x34});
    EXPECT_EQ(decode(with_tail), (SavedState{3, 9, "mind", 1}));
}

TEST(SaveFile, RoundTripsAtTheLimits) {
    TempDir tmp;
    const std::string path = tmp / "limits.hzm";
    const std::string long_name(255, 'x');
    const struct {
        SavedState saved;
        std::string loaded_name;
        std::size_t n;  // name bytes in the file
    } cases[] = {
        {{50, 20, "0", 1}, "0", 1},
        {{0, 0, "", 0}, "", 0},
        {{12, 4, long_name, 0}, long_name, 255},
        {{7, 3, "ｍｉｎｄ＋ｍｉｅ", 1}, "mind+mie", 8},  // full-width forms are narrowed
        {{7, 3, "　up_mode2 ", 1}, "up_mode2", 10},      // spaces at either end are trimmed
        {{7, 3, "ｱｲｳ", 0}, "ｱｲｳ", 3},                    // half-width katakana: one byte each
    };
    for (const auto& c : cases) {
        const SavedState& s = c.saved;
        ASSERT_EQ(savegame(path, s.game, s.position, s.music_file, s.light), 0) << s.music_file;
        EXPECT_EQ(read_file(path).size(), 14 + c.n) << s.music_file;
        EXPECT_EQ(load(path), (SavedState{s.game, s.position, c.loaded_name, s.light}));
    }
}

TEST(SaveFile, RefusedValuesTouchNoFile) {
    TempDir tmp;
    const std::string fresh = tmp / "fresh.hzm";
    const std::string old = tmp / "old.hzm";
    write_file(old, kMind);
    const struct {
        std::uint8_t game, position;
        std::string name;
        std::int32_t light;
    } refused[] = {
        {51, 0, "mind", 0},
        {0, 21, "mind", 0},
        {0, 0, "mind", 2},
        {0, 0, "mind", -1},
        {0, 0, std::string(256, 'x'), 0},
        {0, 0, "音楽", 0},
        {0, 0, "a\xC2\xA5", 0},  // ¥ would come back as a backslash
        {0, 0, "\xFF", 0},       // not UTF-8
    };
    for (const auto& r : refused) {
        EXPECT_EQ(savegame(fresh, r.game, r.position, r.name, r.light), 1) << r.name;
        EXPECT_EQ(savegame(old, r.game, r.position, r.name, r.light), 1) << r.name;
    }
    EXPECT_FALSE(fs::exists(fresh));
    EXPECT_EQ(read_file(old), kMind);
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.dir), {}), 1);
}

TEST(SaveFile, TwoSavesDifferOnlyInTheChain) {
    const Bytes a = encode_save(3, 9, "mind", 1, 0x01).value_or(Bytes{});
    const Bytes b = encode_save(3, 9, "mind", 1, 0x02).value_or(Bytes{});
    ASSERT_EQ(a.size(), 18u);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        // The header is fixed, and the check byte is R xor (chain ending in R) = the XOR of
        // the values alone; every byte in between carries R.
        const bool carries_random = i >= 8 && i < a.size() - 1;
        EXPECT_EQ(a[i] != b[i], carries_random) << "byte " << i;
    }
    EXPECT_EQ(decode(a), decode(b));

    TempDir tmp;
    std::set<Bytes> files;
    for (int i = 0; i < 8; ++i) {
        const std::string path = tmp / ("same" + std::to_string(i));
        ASSERT_EQ(savegame(path, 3, 9, "mind", 1), 0);
        EXPECT_EQ(load(path), (SavedState{3, 9, "mind", 1}));
        files.insert(read_file(path));
    }
    EXPECT_GT(files.size(), 1u) << "the random byte never changed";
}

TEST(SaveFile, TamperedFiles) {
    auto flipped = [](std::size_t at, std::uint8_t with) {
        Bytes b = kMind;
        b[at] ^= with;
        return decode(b);
    };
    // A wrong header is refused whatever follows.
    for (std::size_t i = 0; i < 8; ++i) EXPECT_FALSE(flipped(i, 0x20)) << "header byte " << i;
    // The check covers the random byte and the last two bytes.
    for (std::size_t i : {8u, 16u, 17u}) EXPECT_FALSE(flipped(i, 0x01)) << "byte " << i;
    // Byte 9 feeds game and position; the check still passes.
    EXPECT_EQ(flipped(9, 0x01), (SavedState{2, 8, "mind", 1}));
    EXPECT_FALSE(flipped(9, 0x40));  // game 0x43
    EXPECT_FALSE(flipped(9, 0x20));  // position 0x29
    // The last name byte feeds the last character and light.
    EXPECT_EQ(flipped(15, 0x01), (SavedState{3, 9, "mine", 0}));
    EXPECT_FALSE(flipped(15, 0x02));  // light 3
    // Bytes 10 and 11 move the length, so the trailer is read from elsewhere: for this
    // file every other value is refused (short reads fail the check, long ones run off
    // the end).
    for (int v = 1; v < 256; ++v) {
        EXPECT_FALSE(flipped(10, std::uint8_t(v))) << v;
        EXPECT_FALSE(flipped(11, std::uint8_t(v))) << v;
    }
    // A correct check byte does not save a value out of range.
    EXPECT_EQ(decode(chained(0x33, {50, 20, 1, '0', 1})), (SavedState{50, 20, "0", 1}));
    EXPECT_FALSE(decode(chained(0x33, {51, 20, 1, '0', 1})));
    EXPECT_FALSE(decode(chained(0x33, {50, 21, 1, '0', 1})));
    EXPECT_FALSE(decode(chained(0x33, {50, 20, 1, '0', 2})));
}

TEST(SaveFile, NamesThatAreNotPlainFileNames) {
    auto with_name = [](const std::string& name) {
        std::vector<std::uint8_t> values{1, 1, std::uint8_t(name.size())};
        values.insert(values.end(), name.begin(), name.end());
        values.push_back(0);
        return decode(chained(0x5A, values));
    };
    using namespace std::string_literals;
    for (const std::string& name :
         {"../mind"s, "a/b"s, "/etc/passwd"s, "..\\x"s, "."s, ".."s, " .. "s, "a\"b"s, "mi\0d"s,
          "a\nb"s, "a\rb"s, "a\tb"s, "a\x7f"s, "\x1b[2J"s}) {
        EXPECT_FALSE(with_name(name)) << name;
    }
    // A lone lead byte of a two-byte character is no character at all.
    EXPECT_FALSE(with_name("\x81"));
    EXPECT_EQ(with_name("..."), (SavedState{1, 1, "...", 0}));
    EXPECT_EQ(with_name("\xB1"), (SavedState{1, 1, "ｱ", 0}));
}

TEST(SaveFile, TruncatedAndMissingFiles) {
    TempDir tmp;
    const Bytes full = encode_save(50, 20, "mind+mie", 1, 0xC3).value_or(Bytes{});
    ASSERT_EQ(full.size(), 22u);
    for (std::size_t len = 0; len < full.size(); ++len) {
        write_file(tmp / "cut.hzm", Bytes(full.begin(), full.begin() + long(len)));
        EXPECT_FALSE(load(tmp / "cut.hzm")) << "length " << len;
    }
    EXPECT_FALSE(load(tmp / "missing.hzm"));
    EXPECT_FALSE(load(tmp.dir.string()));  // a folder is no save file
    EXPECT_FALSE(load(""));
    // A file that is there but fails while being read is no refusal: the caller hears of it.
    SavedState s;
    EXPECT_THROW(loadgame("/proc/self/mem", s.game, s.position, s.music_file, s.light), FileError);
}

TEST(SaveFile, ReplacingAnOldFile) {
    TempDir tmp;
    const std::string path = tmp / "slot.hzm";
    // A long old save overwritten by a short one: the new file is whole and alone.
    ASSERT_EQ(savegame(path, 40, 9, std::string(255, 'm'), 1), 0);
    ASSERT_EQ(savegame(path, 2, 1, "0", 0), 0);
    EXPECT_EQ(read_file(path).size(), 15u);
    EXPECT_EQ(load(path), (SavedState{2, 1, "0", 0}));
    EXPECT_FALSE(fs::exists(path + ".new"));

    // A save that cannot be written (the disk is full) leaves the old file whole.
    struct DiskFull : FileCalls {
        ssize_t write(int, const void*, std::size_t) override {
            errno = ENOSPC;
            return -1;
        }
    } full;
    {
        const UsingFileCalls filling(full);
        EXPECT_THROW(savegame(path, 5, 5, "mind", 0), FileError);
    }
    EXPECT_EQ(load(path), (SavedState{2, 1, "0", 0}));
    EXPECT_THROW(savegame(tmp / "no/such/folder.hzm", 5, 5, "mind", 0), FileError);

    // Something that is not a plain file is never replaced.
    const std::string fifo = tmp / "fifo.hzm";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(savegame(fifo, 5, 5, "mind", 0), FileError);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_FALSE(load(fifo));

    // A leftover of an interrupted save is replaced, and a link under that name is not
    // followed.
    write_file(path + ".new", {1, 2, 3});
    ASSERT_EQ(savegame(path, 4, 4, "mind", 0), 0);
    write_file(tmp / "bystander", {1, 2, 3});
    fs::create_symlink(tmp / "bystander", path + ".new");
    ASSERT_EQ(savegame(path, 5, 5, "mind", 0), 0);
    EXPECT_EQ(read_file(tmp / "bystander"), (Bytes{1, 2, 3}));
    EXPECT_FALSE(fs::exists(fs::symlink_status(path + ".new")));

    // Through a link, the linked file is written and the link stays.
    const std::string link = tmp / "link.hzm";
    fs::create_symlink(path, link);
    ASSERT_EQ(savegame(link, 6, 6, "mind", 1), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(load(path), (SavedState{6, 6, "mind", 1}));
}

}  // namespace
}  // namespace hazama
