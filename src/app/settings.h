// The player's remembered choices (fullscreen, volume, auto-advance, skip), kept between
// runs in an ini file under the XDG config folder. Not game data: saves stay in the files
// the player picks.
#pragma once

#include <QString>
#include <array>

namespace hazama {

enum class AutoSpeed { slow, normal, fast };

// The volume steps the player chooses from, in percent; 0 is mute.
inline constexpr std::array<int, 5> kVolumeSteps = {100, 75, 50, 25, 0};

struct Settings {
    bool fullscreen = false;
    int volume = 100;  // one of kVolumeSteps
    bool auto_advance = false;
    AutoSpeed auto_speed = AutoSpeed::normal;
    bool skip_read = false;

    bool operator==(const Settings&) const = default;

    // The choices in the file at `path`. A file that is missing or cannot be read gives
    // the defaults; a value that is missing or makes no sense gives that value's default.
    // Nothing is reported: remembered choices are a convenience.
    static Settings load(const QString& path);
    // Writes every choice to a temporary file beside `path` and renames it over `path`, so
    // the file is never half written; creates the folder. False when it could not.
    bool save(const QString& path) const;
};

// $XDG_CONFIG_HOME/hazama/settings.ini, or ~/.config/hazama/settings.ini when that
// variable is unset, empty or not an absolute path.
QString settings_path();

}  // namespace hazama
