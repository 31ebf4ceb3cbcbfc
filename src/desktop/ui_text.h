// The window's own texts in the language the player reads in. The Japanese text is the key
// into the game's one catalogue (po/hazama.pot extracts every ui("…")).
#pragma once

#include <QString>

namespace hazama {

class Translator;

// The catalogue and language the window's texts follow; none: they stay Japanese.
void set_ui_translator(const Translator* translator);

// `japanese` in the language in force.
QString ui(const char* japanese);

// A text of the game in English, whatever the language in force (a line of the history
// shown in both).
QString english_of(const std::string& japanese);

// Whether the window is in English now.
bool ui_english();

}  // namespace hazama
