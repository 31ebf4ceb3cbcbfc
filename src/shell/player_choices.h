// The player's remembered choices in force: fullscreen, the window's size, the volume,
// auto-advance, skip, the text display, the copied lines, the language and the history in
// both languages; read from the settings file at start and written back whenever one
// changes.
#pragma once

#include <optional>

#include "shell/settings.h"

namespace hazama {

class Face;
class MainForm;

class PlayerChoices {
  public:
    PlayerChoices(Face& face, MainForm& form) : face_(face), form_(form) {}

    // The choices in the file at `file` are applied, and every later choice is written
    // there. Without a call nothing is kept. The language is `forced` when given (and then
    // not written unless the player chooses one), else the remembered one, else the
    // desktop's.
    void use_settings(const SettingsFile& file, std::optional<Language> forced = std::nullopt,
                      Language desktop = desktop_language());
    // Writes the choices now in force to the settings file when they have changed.
    void remember();

    // The choices in force now.
    Settings now() const;
    // Applies every choice of `chosen` that differs from those in force, and keeps them.
    void choose(const Settings& chosen);

    // The music's loudness in percent (one of kVolumeSteps), applied at once.
    void set_volume(int percent);
    int volume() const { return volume_; }

    // The language the player chooses (the menu, the settings), applied at once and kept.
    void set_language(Language language);

  private:
    void apply(const Settings& chosen);
    void show_language(Language language);

    Face& face_;
    MainForm& form_;
    int volume_ = 100;
    std::optional<Language> language_;  // the player's own choice, as kept
    std::filesystem::path path_;        // empty: the choices are not kept
    Settings remembered_;               // what the file holds
};

}  // namespace hazama
