// The player's files in the browser: kept in the module's memory, copied to the browser's
// lasting storage (IndexedDB) after every file the game writes.
#pragma once

namespace hazama {

// Every write of a player file is followed by a copy to the lasting storage; a copy that fails
// fails the write, so the game says so.
void keep_player_files_in_storage();

}  // namespace hazama
