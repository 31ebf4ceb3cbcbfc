// Finding a game file below the program folder, with the case-insensitive fallback.
#pragma once

#include <filesystem>
#include <string_view>

namespace hazama {

// Turns a game path such as "\gra\h03_ie.jpg" or "gra/h03_ie.jpg" into a path below
// `root`. When no file has the exact name, each component is matched ignoring ASCII case
// ("Up_mode2.mid" finds "up_mode2.mid"). When nothing matches, the exact path is returned.
// "." and ".." name no game file and are passed over: the path stays below `root`.
std::filesystem::path find_asset(const std::filesystem::path& root, std::string_view game_path);

// Whether `file` exists and, links followed, lies inside `folder` (itself resolved).
bool lies_within(const std::filesystem::path& file, const std::filesystem::path& folder);

}  // namespace hazama
