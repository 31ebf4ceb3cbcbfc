// The remembered choices' file: "name=value" lines under "[General]", the layout the game
// has always written it in, read through the guarded reader and written through the one
// atomic write. What the names and values mean is for the settings themselves.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace hazama {

using SettingValues = std::map<std::string, std::string>;

// The file's largest size; a larger one is no settings file of ours.
inline constexpr std::size_t kLargestSettingsFile = 64 * 1024;

// The values of the "[General]" part (and of lines before any part); a line that is no
// "name=value" of letters, digits and '_' is passed over. A value in double quotes is
// taken without them, \" and \\ standing for " and \.
SettingValues parse_settings(std::string_view text);
// The text for `values`: names that parse_settings would not read back are left out, and
// a value that would not read back as it is goes in quotes.
std::string encode_settings(const SettingValues& values);

// The values in the file at `path`; none (every choice its default) when the file is
// missing, not a plain file, too large or unreadable. Nothing is reported: remembered
// choices are a convenience.
SettingValues read_settings_file(const std::filesystem::path& path);
// Writes the file whole or not at all, making its folder first. Throws FileError.
void write_settings_file(const std::filesystem::path& path, const SettingValues& values);

}  // namespace hazama
