// The player's files in the browser: kept in the module's memory, copied to the browser's
// lasting storage (IndexedDB) after every file the game writes.
#pragma once

#include <filesystem>
#include <string>

namespace hazama {

// Every write of a player file is followed by a copy to the lasting storage; a copy that fails
// fails the write, so the game says so.
void keep_player_files_in_storage();

// The automatic slot's file, ready in the page for a tab closed at once: the page writes it
// where a closing page still can, and takes it back at the next start when it is the newer.
void keep_automatic_slot_ready(const std::filesystem::path& path, const std::string& file);

}  // namespace hazama
