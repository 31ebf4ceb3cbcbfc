// A save slot: a position in play with what tells it apart (when, where, the line on
// screen, a small picture of the scene), kept as a short text file that is also a script
// the story runner can play.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "replay/command_log.h"

namespace hazama {

class MainForm;

inline constexpr int kSlotVersion = 2;
// The largest slot read: the whole story played to its end takes some 100 KB.
inline constexpr std::size_t kLargestSlot = std::size_t{16} << 20;
inline constexpr std::string_view kSlotExtension = ".hzs";

struct Slot {
    Position position;
    std::string saved_at;       // "2026-12-09 21:04", local time
    std::string place;          // the place's name as the chooser gives it
    std::string line;           // the line on screen, on one line
    std::string thumbnail_png;  // the scene, small; may be empty
    // The pictures its replay will load, in order (MainForm::pictures_loaded): a hint for
    // decoding them ahead; may be empty.
    std::vector<std::string> pictures;
};

std::string encode_slot(const Slot& slot);
// Nothing, and why, when the text is not a slot this build reads: another version, a
// check that does not match (the file is damaged), or a position that fails
// position_ok (slot_check.h).
std::optional<Slot> decode_slot(std::string_view text, std::string& why);

// The position `position` of `form`, described for the slot screen, saved now.
Slot describe_slot(MainForm& form, const Position& position);

// A slot's name: letters, digits, '-' and '_', at most 40; nothing else reaches the disk.
bool slot_name_ok(std::string_view name);
// Where slot `name` lies: saves/NAME.hzs in the player's data folder.
std::filesystem::path slot_path(const std::filesystem::path& data_folder, std::string_view name);
// Written whole or not at all; FileError when it cannot be, or when the position fails
// position_ok (no play reaches it, and no slot keeps it).
void write_slot(const std::filesystem::path& path, const Slot& slot);
// Nothing, and why, when the file is missing, not a plain file, too large, unreadable,
// damaged or refused as decode_slot refuses it.
std::optional<Slot> read_slot(const std::filesystem::path& path, std::string& why);

std::string base64_encode(std::string_view bytes);
std::optional<std::string> base64_decode(std::string_view text);

}  // namespace hazama
