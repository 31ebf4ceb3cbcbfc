// The player's files in the browser (web_storage.h).
#include "web/web_storage.h"

#include "platform/player_file.h"
#include "web/page_bridge.h"

namespace hazama {

void keep_player_files_in_storage() {
    on_file_written([](const std::filesystem::path& path) {
        if (const int error = page::sync_storage(path.string()))
            throw FileError(path.string(), error);
    });
}

void keep_automatic_slot_ready(const std::filesystem::path& path, const std::string& file) {
    if (!file.empty()) page::keep_ready(path.string(), file);
}

}  // namespace hazama
