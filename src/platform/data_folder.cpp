// Where the game's data (gra/ and music/) lies, beside the program or installed, and where
// the player's own files go.
#include "platform/data_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

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

std::filesystem::path home_folder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/')
        return found->pw_dir;
    return {};
}

namespace {

// $VARIABLE/hazama, else HOME/`fallback`/hazama; a relative XDG folder is to be ignored,
// as if it were unset.
std::filesystem::path xdg_folder(const char* variable, const std::filesystem::path& fallback) {
    const char* xdg = std::getenv(variable);
    if (xdg != nullptr && xdg[0] == '/') return std::filesystem::path(xdg) / "hazama";
    const std::filesystem::path home = home_folder();
    if (home.empty()) return {};
    return home / fallback / "hazama";
}

}  // namespace

std::filesystem::path default_data_folder() {
    return xdg_folder("XDG_DATA_HOME", std::filesystem::path(".local") / "share");
}

std::filesystem::path settings_file_path() {
    const std::filesystem::path folder = xdg_folder("XDG_CONFIG_HOME", ".config");
    return folder.empty() ? folder : folder / "settings.ini";
}

}  // namespace hazama
