// Before the window opens: whether one can be opened at all, and the data it shows.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <string>
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

// With no session bus to be found, Qt's accessibility bridge has D-Bus launch one, and D-Bus
// forks the whole program to run dbus-launch. Where there is no dbus-launch that can only
// fail, and the fork of the starting program holds up its first paint by some 5 ms; this
// gives D-Bus an address that fails at once ("disabled:"), to the same end: no bus, and no
// screen reader to tell. Call it before any thread starts: it sets an environment variable.
void skip_futile_bus_launch();

// Whether D-Bus, asked for the session bus, would try to launch one that cannot start: no
// bus address (`address`), no bus socket in the runtime folder (`runtime_dir`), and no
// dbus-launch that `runnable` finds in /usr/bin or a folder of `path` (the PATH variable).
bool bus_launch_futile(const char* address, const char* runtime_dir, const char* path,
                       const std::function<bool(const std::string&)>& runnable);

// The message when none of `tried` holds the pictures: one line on standard error, the
// same in a message box. Returns the exit status, 1.
int report_missing_data(const std::vector<std::filesystem::path>& tried);

// The text of that message box, naming every folder tried.
QString missing_data_text(const std::vector<std::filesystem::path>& tried);

}  // namespace hazama
