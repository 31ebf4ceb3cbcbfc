// The player's remembered choices (fullscreen, the window's size, volume, auto-advance,
// skip, the text display, the copied lines, the language), kept between runs in an ini file under
// the XDG config folder. Not game data: saves stay in the files the player picks.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "reading/reading.h"  // AutoSpeed, SkipMode, TextSpeed
#include "text/catalogue.h"

namespace hazama {

// The volume steps the player chooses from, in percent; 0 is mute.
inline constexpr std::array<int, 5> kVolumeSteps = {100, 75, 50, 25, 0};
// The window's sizes when not fullscreen, in percent of the design's 634 × 463.
inline constexpr std::array<int, 3> kWindowSizes = {100, 150, 200};

struct Settings {
    bool fullscreen = false;
    int volume = 100;  // one of kVolumeSteps
    bool auto_advance = false;
    AutoSpeed auto_speed = AutoSpeed::normal;
    bool skip_read = false;
    SkipMode skip_mode = SkipMode::read;
    TextSpeed text_speed = TextSpeed::instant;
    int window_size = 100;    // one of kWindowSizes
    bool copy_lines = false;  // every line that waits goes to the clipboard
    // The language the player chose; none chosen: the desktop's language decides.
    std::optional<Language> language = std::nullopt;
    bool history_both = false;  // the history lists the English under each Japanese line

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

// The language the game starts in: `forced` (hazama --lang) over the player's remembered
// choice over the desktop's language.
Language starting_language(std::optional<Language> forced, std::optional<Language> remembered,
                           Language desktop);

}  // namespace hazama
