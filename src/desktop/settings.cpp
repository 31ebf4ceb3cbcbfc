// Where the desktop keeps the player's remembered choices (settings.h).
#include "desktop/settings.h"

namespace hazama {

QString settings_path() {
    return QString::fromStdString(settings_file_path().string());
}

}  // namespace hazama
