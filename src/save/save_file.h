// The save file: its scrambled layout, the checks a file must pass, and the routines
// savegame and loadgame that the save and load commands call.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/player_file.h"  // FileError, which savegame and loadgame throw

namespace hazama {

// 0xFF, "sav", "HAZM".
inline constexpr std::array<std::uint8_t, 8> kSaveHeader{0xFF, 0x73, 0x61, 0x76,
                                                         0x48, 0x41, 0x5A, 0x4D};
// The reader never looks further: header, random byte, three values, 255 name bytes,
// light and the check byte.
inline constexpr std::size_t kLongestSave = 8 + 1 + 3 + 255 + 2;

// The saved part of the game state.
struct SavedState {
    std::uint8_t game = 0;
    std::uint8_t position = 0;
    std::string music_file;
    std::uint8_t light = 0;
    bool operator==(const SavedState&) const = default;
};

// The bytes of a save file with `random` as its random byte. Nothing when a value is out
// of range or the music name does not become at most 255 single-byte characters.
std::optional<std::vector<std::uint8_t>> encode_save(std::uint8_t game, std::uint8_t position,
                                                     const std::string& music_file,
                                                     std::int32_t light, std::uint8_t random);

// Unscrambles a file's bytes. Nothing when the file is refused: wrong header, too short,
// failed check byte, a value out of range, or a music name that is not a plain file name.
std::optional<SavedState> decode_save(std::span<const std::uint8_t> bytes);

// Writes the state to `file_name`: 0 when written, 1 when the values are refused (no file
// is touched then). The file is replaced whole or not at all (write_file_atomically), so a
// save that fails part-way leaves the old file whole. Throws FileError on I/O failure.
std::uint8_t savegame(const std::string& file_name, std::uint8_t game, std::uint8_t position,
                      const std::string& music_file, std::int32_t light);

// Reads a save file: 0 when accepted (the outputs are set), 1 when the file is missing or
// refused (the outputs are left untouched). Throws FileError when an existing file cannot
// be opened or read.
int loadgame(const std::string& file_name, std::uint8_t& game, std::uint8_t& position,
             std::string& music_file, std::uint8_t& light);

}  // namespace hazama
