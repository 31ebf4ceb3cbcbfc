// The save file: its scrambled layout, the checks a file must pass, and the routines
// savegame and loadgame that the save and load commands call.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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

// The values a loaded game may hold: the checks of the save file, which every other way a
// state comes in (a slot's load or set) passes too. The state private to one location and
// the pending command have the ranges the story gives them.
inline constexpr int kLastGame = 50;
inline constexpr int kLastPosition = 20;
inline constexpr int kLastLight = 1;
inline constexpr int kLastX00 = 2;
inline constexpr int kLastF00 = 3;
bool saved_values_ok(int game, int position, int light);
// A music name a save file can give: at most 255 single-byte characters in the Japanese
// code page, as they read back, without spaces at either end, and a plain file name that
// a music command can put in quotes (no quote, no separator, no NUL, not "." or "..").
bool music_name_ok(std::string_view name);

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
