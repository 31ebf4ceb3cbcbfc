// The remembered choices' file (settings_file.h).
#include "platform/settings_file.h"

#include <system_error>

#include "platform/player_file.h"

namespace hazama {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool name_ok(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name) {
        const bool ok =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok) return false;
    }
    return true;
}

// A value that reads back as it stands, unquoted.
bool plain_value(std::string_view value) {
    if (value != trimmed(value) || value.starts_with('"')) return false;
    for (unsigned char c : value) {
        if (c < 0x20 || c == 0x7F || c == ';' || c == '#' || c == '\\') return false;
    }
    return true;
}

// The text inside double quotes, unescaped; `value` starts with the opening quote.
std::string unquoted(std::string_view value) {
    std::string out;
    for (std::size_t i = 1; i < value.size(); ++i) {
        if (value[i] == '"') break;
        if (value[i] == '\\' && i + 1 < value.size()) ++i;
        out += value[i];
    }
    return out;
}

}  // namespace

SettingValues parse_settings(std::string_view text) {
    SettingValues values;
    bool general = true;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            general = line == "[General]";
            continue;
        }
        const auto eq = line.find('=');
        if (!general || eq == std::string_view::npos) continue;
        const std::string_view name = trimmed(line.substr(0, eq));
        const std::string_view value = trimmed(line.substr(eq + 1));
        if (!name_ok(name)) continue;
        values[std::string(name)] = value.starts_with('"')
                                        ? unquoted(value)
                                        : std::string(trimmed(value.substr(0, value.find(';'))));
    }
    return values;
}

std::string encode_settings(const SettingValues& values) {
    std::string out = "[General]\n";
    for (const auto& [name, value] : values) {
        if (!name_ok(name)) continue;
        out += name + "=";
        if (plain_value(value)) {
            out += value;
        } else {
            out += '"';
            for (char c : value) {
                if (c == '\r' || c == '\n') continue;  // one line each
                if (c == '"' || c == '\\') out += '\\';
                out += c;
            }
            out += '"';
        }
        out += '\n';
    }
    return out;
}

SettingValues read_settings_file(const std::filesystem::path& path) {
    if (path.empty()) return {};
    try {
        return parse_settings(read_player_file(path, kLargestSettingsFile));
    } catch (const FileError&) {
        return {};
    }
}

void write_settings_file(const std::filesystem::path& path, const SettingValues& values) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    write_file_atomically(path, encode_settings(values));
}

}  // namespace hazama
