// The player's remembered choices as an ini text, and the file that keeps them (settings.h).
#include "shell/settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/player_file.h"

namespace hazama {
namespace {

constexpr const char* kSpeedNames[] = {"slow", "normal", "fast"};
constexpr const char* kTextSpeedNames[] = {"instant", "slow", "normal", "fast"};
constexpr const char* kSkipModeNames[] = {"read", "all"};
// A settings file is a dozen short lines; anything larger is not one.
constexpr std::size_t kLargestFile = 64 * 1024;

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    s = s.substr(first, last - first + 1);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return s;
}

// Each reader leaves `value` alone unless `text` is one it understands.
void read_bool(std::string_view text, bool& value) {
    if (text == "true") value = true;
    if (text == "false") value = false;
}

template <std::size_t N>
void read_step(std::string_view text, const std::array<int, N>& steps, int& value) {
    if (text.empty() || text.size() > 4) return;
    int number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return;
        number = number * 10 + (c - '0');
    }
    for (const int step : steps) {
        if (step == number) value = number;
    }
}

template <typename Enum, std::size_t N>
void read_name(std::string_view text, const char* const (&names)[N], Enum& value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (text == names[i]) value = static_cast<Enum>(i);
    }
}

// The whole of a small regular file; nothing for anything else (missing, a folder, a FIFO
// or a device, larger than `limit`, unreadable), without ever blocking on it.
std::optional<std::string> read_small_file(const std::filesystem::path& path, std::size_t limit) {
    if (path.empty()) return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::size_t>(info.st_size) <= limit) {
        std::string buffer(limit + 1, '\0');
        std::size_t got = 0;
        ssize_t n = 0;
        while (got < buffer.size() &&
               (n = ::read(fd, buffer.data() + got, buffer.size() - got)) > 0)
            got += static_cast<std::size_t>(n);
        if (n >= 0 && got <= limit) {
            buffer.resize(got);
            bytes = std::move(buffer);
        }
    }
    ::close(fd);
    return bytes;
}

const char* bool_text(bool value) {
    return value ? "true" : "false";
}

}  // namespace

std::string Settings::to_text() const {
    std::string text = "[General]\n";
    const auto line = [&](const char* name, const std::string& value) {
        text += name;
        text += '=';
        text += value;
        text += '\n';
    };
    line("auto_advance", bool_text(auto_advance));
    line("auto_speed", kSpeedNames[static_cast<int>(auto_speed)]);
    line("copy_lines", bool_text(copy_lines));
    line("fullscreen", bool_text(fullscreen));
    line("history_both", bool_text(history_both));
    if (language) line("language", language_code(*language));
    line("skip_mode", kSkipModeNames[static_cast<int>(skip_mode)]);
    line("skip_read", bool_text(skip_read));
    line("text_speed", kTextSpeedNames[static_cast<int>(text_speed)]);
    line("volume", std::to_string(volume));
    line("window_size", std::to_string(window_size));
    return text;
}

Settings Settings::from_text(std::string_view text) {
    Settings s;
    bool general = true;  // lines before any section belong to it too
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.starts_with('[')) {
            general = line == "[General]";
            continue;
        }
        const auto equals = line.find('=');
        if (!general || equals == std::string_view::npos) continue;
        const std::string_view name = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (name == "fullscreen") read_bool(value, s.fullscreen);
        if (name == "volume") read_step(value, kVolumeSteps, s.volume);
        if (name == "auto_advance") read_bool(value, s.auto_advance);
        if (name == "auto_speed") read_name(value, kSpeedNames, s.auto_speed);
        if (name == "skip_read") read_bool(value, s.skip_read);
        if (name == "skip_mode") read_name(value, kSkipModeNames, s.skip_mode);
        if (name == "text_speed") read_name(value, kTextSpeedNames, s.text_speed);
        if (name == "window_size") read_step(value, kWindowSizes, s.window_size);
        if (name == "copy_lines") read_bool(value, s.copy_lines);
        if (name == "history_both") read_bool(value, s.history_both);
        if (name == "language") s.language = language_named(value);
    }
    return s;
}

Settings Settings::load(const SettingsFile& file) {
    const auto text = read_small_file(file.path, kLargestFile);
    return text ? from_text(*text) : Settings{};
}

bool Settings::save(const SettingsFile& file) const {
    if (file.path.empty()) return false;
    std::error_code ec;
    const std::filesystem::path folder = file.path.parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    if (ec) return false;
    try {
        write_file_atomically(file.path, to_text());
        return true;
    } catch (const FileError&) {
        return false;
    }
}

std::filesystem::path settings_file_path() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (config != nullptr && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/') return {};
        base = std::filesystem::path(home) / ".config";
    }
    return (base / "hazama" / "settings.ini").lexically_normal();
}

Language starting_language(std::optional<Language> forced, std::optional<Language> remembered,
                           Language desktop) {
    return forced ? *forced : remembered ? *remembered : desktop;
}

std::string volume_caption(int percent) {
    return percent == 0 ? SettingsWords::kMute : std::to_string(percent) + " %";
}

}  // namespace hazama
