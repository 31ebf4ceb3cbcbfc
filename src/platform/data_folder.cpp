// Where the game's data (gra/ and music/) lies, beside the program or installed, and where
// the player's own files go.
#include "platform/data_folder.h"

#include <cstdlib>
#include <system_error>

#include "platform/asset_path.h"

namespace hazama {
namespace {

// The folder without "." and ".." and without a trailing "/", so equal folders compare equal.
std::filesystem::path normal(const std::filesystem::path& folder) {
    std::filesystem::path p = folder.lexically_normal();
    if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();
    return p;
}

}  // namespace

std::vector<std::filesystem::path> data_folder_candidates(
    const std::filesystem::path& program_folder, std::string_view installed) {
    std::vector<std::filesystem::path> folders{program_folder};
    if (!installed.empty()) {
        const std::filesystem::path other =
            normal(program_folder / std::filesystem::path(installed));
        if (other != normal(program_folder)) folders.push_back(other);
    }
    return folders;
}

std::optional<std::filesystem::path> find_data_folder(const std::filesystem::path& program_folder,
                                                      std::string_view installed) {
    for (const auto& folder : data_folder_candidates(program_folder, installed)) {
        std::error_code ec;
        // Named ignoring case, as every game file is, so a player's "GRA" counts too.
        if (std::filesystem::is_directory(find_asset(folder, "gra"), ec)) return folder;
    }
    return std::nullopt;
}

std::filesystem::path default_data_folder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is to be ignored, as if it were unset.
    if (xdg != nullptr && xdg[0] == '/') return std::filesystem::path(xdg) / "hazama";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::filesystem::path(home) / ".local" / "share" / "hazama";
    return {};
}

}  // namespace hazama
