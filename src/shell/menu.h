// The right-click menu: its entries in the order shown, their words and shortcuts, which are
// checked and which can be chosen now, and what choosing each does. Either face draws it
// from here (the desktop as a QMenu, the web page as a list) and hands the choice back.
#pragma once

#include <array>
#include <span>

#include "reading/reading.h"
#include "text/catalogue.h"

namespace hazama {

enum class MenuItem : std::uint8_t {
    continue_game,  // at the title only: continue from the newest save (F9)
    history,
    auto_advance,
    auto_speed,  // a submenu of the three speeds
    skip,
    fullscreen,
    volume,  // a submenu of the volume steps
    copy_line,
    hide_text,
    language,  // a submenu of the languages
    save,
    load,
    settings,
    back_to_title,  // asks first; the automatic slot keeps the place left (on the settings screen)
};

struct MenuEntry {
    MenuItem item;
    // The Japanese words with the mnemonic after '&', then a tab and the key that does the
    // same where there is one ("オート(&A)\tF2"; the face handles the keys themselves): the
    // key of what is shown. Where `translated` is false, the words themselves (each language
    // by its own name).
    const char* caption;
    bool checkable = false;
    bool separator_after = false;
    bool submenu = false;
    bool translated = true;
};

// The entries, in order.
std::span<const MenuEntry> menu_entries();

// One entry of a submenu: its value (a speed, a percent, a language) and its words.
struct MenuChoice {
    int value;
    const char* caption;  // the key, or the words themselves (see `translated`)
    bool translated;
};
// The choices of a submenu entry (auto_speed, volume, language); empty for the others.
std::span<const MenuChoice> menu_choices(MenuItem item);

// What the menu shows as it opens.
struct MenuState {
    bool at_title = false;
    bool history_allowed = true;
    bool has_line = false;  // a line is on the message line: it can be copied
    bool auto_on = false;
    AutoSpeed auto_speed = AutoSpeed::normal;
    bool skip_on = false;
    bool fullscreen = false;
    int volume = 100;
    Language language = Language::ja;

    // Whether `item` is in the menu now (continue only at the title).
    bool shown(MenuItem item) const;
    bool enabled(MenuItem item) const;
    bool checked(MenuItem item) const;
    // The value checked in a submenu.
    int chosen(MenuItem item) const;
};

}  // namespace hazama
