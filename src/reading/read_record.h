// The read record: which lines the player has ever been shown, in this play or an earlier
// one, kept as the stable hashes of their texts in one small file in the player's data
// folder. A missing or damaged file means nothing read yet; it never stops the game.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "platform/data_folder.h"  // default_data_folder, where the record goes
#include "platform/player_file.h"

namespace hazama {

class ReadRecord {
  public:
    static constexpr const char* kFileName = "read.dat";
    // Held while the record is written; beside it in the same folder.
    static constexpr const char* kLockName = "read.dat.lock";
    // The largest record read: two million lines, a thousand times the story's.
    static constexpr std::size_t kLargestRecord = std::size_t{16} << 20;
    static constexpr std::uint32_t kWriteInterval = 5000;  // ms between two writes

    // Lines hashed the same in every run and on every machine (64-bit FNV-1a of the UTF-8).
    static std::uint64_t hash(std::string_view text);
    // The file's bytes for a set of hashes, and back; nothing when the bytes are truncated,
    // padded or not a record at all.
    static std::string encode(const std::unordered_set<std::uint64_t>& lines);
    static std::optional<std::unordered_set<std::uint64_t>> decode(std::string_view bytes);

    // `folder` holds the file; an empty folder keeps the record in memory only.
    explicit ReadRecord(std::filesystem::path folder = {}) : folder_(std::move(folder)) {}

    // Whether the line was shown before; the file is read on the first question.
    bool contains(std::string_view text);
    void mark(std::string_view text, std::uint32_t now);
    std::size_t size();
    // Writes the record when something new was read and the last write (or the reading of
    // the file) is at least kWriteInterval ago.
    void save_if_due(std::uint32_t now);
    // Writes whatever is new (at exit), with the lines the file holds by then (another copy
    // of the game may have added some). False when the file could not be written or was
    // kept because it could not be read and is longer than ours.
    bool save();
    // Why the last write failed, once: nothing when every write since the last question
    // succeeded or was held back.
    std::optional<FileError> take_failure();

  private:
    void load_once();
    // Adds the lines the file holds to ours; a file that cannot be used is protected.
    void take_in_file();
    std::filesystem::path file() const { return folder_ / kFileName; }

    std::filesystem::path folder_;
    std::unordered_set<std::uint64_t> lines_;
    bool loaded_ = false;
    bool dirty_ = false;
    std::uint32_t last_write_ = 0;
    bool clock_started_ = false;
    // The size of a file that exists but could not be read: a record shorter than that
    // would lose what it held, so none replaces it.
    std::uintmax_t protected_size_ = 0;
    std::optional<FileError> failure_;
};

}  // namespace hazama
