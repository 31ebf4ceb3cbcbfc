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

}  // namespace hazama
