// Where the desktop keeps the player's remembered choices: the settings themselves, their
// file's format and checks are the session's (shell/settings.h).
#pragma once

#include <QString>

#include "shell/settings.h"

namespace hazama {

// $XDG_CONFIG_HOME/hazama/settings.ini, or ~/.config/hazama/settings.ini when that
// variable is unset, empty or not an absolute path; empty without a home folder.
QString settings_path();

}  // namespace hazama
