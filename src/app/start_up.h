// Before the window opens: whether one can be opened at all, and the data it shows.
#pragma once

#include <QString>
#include <filesystem>
#include <vector>

namespace hazama {

// The name under which the game is installed: its desktop entry, icon and metainfo.
inline const QString kDesktopId = QStringLiteral("io.github.hazama_gumi.Hazama");

// The one line printed when no window can be opened.
inline constexpr const char* kNoDisplayLine =
    "ハザマ: ウィンドウを開ける画面がありません (DISPLAY, WAYLAND_DISPLAY) / "
    "hazama: no display to open the window on (DISPLAY, WAYLAND_DISPLAY)";

// False when Qt would have nowhere to show the window: no platform was chosen (the
// QT_QPA_PLATFORM variable or a -platform argument) and neither DISPLAY nor
// WAYLAND_DISPLAY is set.
bool display_available(int argc, char** argv);

// Qt ends the program with abort(), and so a core dump, when its platform cannot start.
// Between these two calls such an end prints kNoDisplayLine and exits with status 1
// instead; Qt's other messages meanwhile are held back and printed by the second call.
void guard_platform_start();
void platform_started();

// The message when none of `tried` holds the pictures: one line on standard error, the
// same in a message box. Returns the exit status, 1.
int report_missing_data(const std::vector<std::filesystem::path>& tried);

// The text of that message box, naming every folder tried.
QString missing_data_text(const std::vector<std::filesystem::path>& tried);

}  // namespace hazama
