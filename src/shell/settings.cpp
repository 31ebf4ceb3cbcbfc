// The player's remembered choices as the settings file holds them (settings.h).
#include "shell/settings.h"

#include "platform/player_file.h"
#include "shell/stage_layout.h"

namespace hazama {
namespace {

constexpr const char* kSpeedNames[] = {"slow", "normal", "fast"};
constexpr const char* kTextSpeedNames[] = {"instant", "slow", "normal", "fast"};
constexpr const char* kSkipModeNames[] = {"read", "all"};

// Each reader leaves `value` alone unless the stored text is one it understands.
void read_bool(const SettingValues& values, const char* name, bool& value) {
    const auto found = values.find(name);
    if (found == values.end()) return;
    if (found->second == "true") value = true;
    if (found->second == "false") value = false;
}

// A number that must be one of `steps`.
template <std::size_t N>
void read_step(const SettingValues& values, const char* name, const std::array<int, N>& steps,
               int& value) {
    const auto found = values.find(name);
    if (found == values.end()) return;
    const std::string& text = found->second;
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

// A name that must be one of `names`, read as the enum value of its place.
template <typename Enum, std::size_t N>
void read_name(const SettingValues& values, const char* name, const char* const (&names)[N],
               Enum& value) {
    const auto found = values.find(name);
    if (found == values.end()) return;
    for (std::size_t i = 0; i < N; ++i) {
        if (found->second == names[i]) value = static_cast<Enum>(i);
    }
}

const char* bool_text(bool value) {
    return value ? "true" : "false";
}

}  // namespace

SettingValues Settings::values() const {
    SettingValues v{
        {"fullscreen", bool_text(fullscreen)},
        {"volume", std::to_string(volume)},
        {"auto_advance", bool_text(auto_advance)},
        {"auto_speed", kSpeedNames[static_cast<int>(auto_speed)]},
        {"skip_read", bool_text(skip_read)},
        {"skip_mode", kSkipModeNames[static_cast<int>(skip_mode)]},
        {"text_speed", kTextSpeedNames[static_cast<int>(text_speed)]},
        {"window_size", std::to_string(window_size)},
        {"copy_lines", bool_text(copy_lines)},
        {"history_both", bool_text(history_both)},
    };
    if (language) v["language"] = language_code(*language);
    return v;
}

Settings Settings::from_values(const SettingValues& values) {
    Settings s;
    read_bool(values, "fullscreen", s.fullscreen);
    read_step(values, "volume", kVolumeSteps, s.volume);
    read_bool(values, "auto_advance", s.auto_advance);
    read_name(values, "auto_speed", kSpeedNames, s.auto_speed);
    read_bool(values, "skip_read", s.skip_read);
    read_name(values, "skip_mode", kSkipModeNames, s.skip_mode);
    read_name(values, "text_speed", kTextSpeedNames, s.text_speed);
    read_step(values, "window_size", kWindowSizes, s.window_size);
    read_bool(values, "copy_lines", s.copy_lines);
    read_bool(values, "history_both", s.history_both);
    if (const auto found = values.find("language"); found != values.end())
        s.language = language_named(found->second);
    return s;
}

Settings Settings::load(const SettingsFile& file) {
    return from_values(read_settings_file(file.path));
}

bool Settings::save(const SettingsFile& file) const {
    if (file.path.empty()) return false;
    try {
        write_settings_file(file.path, values());
        return true;
    } catch (const FileError&) {
        return false;
    }
}

int first_window_size(int screen_width, int screen_height) {
    int chosen = kWindowSizes.front();
    for (const int percent : kWindowSizes) {
        // In whole pixels as the window is drawn (the client area times the factor, to the
        // nearest pixel), against three quarters of the screen.
        const auto drawn = [percent](int design) { return (design * percent + 50) / 100; };
        const bool fits = drawn(kClientWidth) * 4 <= screen_width * 3 &&
                          drawn(kClientHeight) * 4 <= screen_height * 3;
        if (fits) chosen = percent;
    }
    return chosen;
}

Language starting_language(std::optional<Language> forced, std::optional<Language> remembered,
                           Language desktop) {
    return forced ? *forced : remembered ? *remembered : desktop;
}

std::string volume_caption(int percent) {
    return percent == 0 ? SettingsWords::kMute : std::to_string(percent) + " %";
}

}  // namespace hazama
