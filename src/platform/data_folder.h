// Where the game's data (gra/ and music/) lies, beside the program or installed, and where
// the player's own files go.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace hazama {

// The installed data, relative to the program's folder: /usr/games/hazama reads
// /usr/share/games/hazama.
inline constexpr std::string_view kInstalledData = "../share/games/hazama";

// The folders that may hold the data, in the order they are tried: the program's own
// folder first (the build tree, and a player's own copy beside an installed program),
// then `installed` taken relative to it.
std::vector<std::filesystem::path> data_folder_candidates(
    const std::filesystem::path& program_folder, std::string_view installed = kInstalledData);

// The first candidate that holds a gra/ folder, or nothing when none does.
std::optional<std::filesystem::path> find_data_folder(const std::filesystem::path& program_folder,
                                                      std::string_view installed = kInstalledData);

// The player's home folder: $HOME when it is an absolute path, else the home the system's
// user database gives (a game started without HOME, by a service or `env -i`); empty when
// neither has one.
std::filesystem::path home_folder();

// The player's own folder for the game: $XDG_DATA_HOME/hazama, else
// ~/.local/share/hazama; empty when neither can be found.
std::filesystem::path default_data_folder();

// The remembered choices: $XDG_CONFIG_HOME/hazama/settings.ini, else
// ~/.config/hazama/settings.ini (an XDG folder that is not an absolute path counts as
// unset); empty when there is no home folder either, and then nothing is remembered.
std::filesystem::path settings_file_path();

}  // namespace hazama
