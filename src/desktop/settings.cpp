// Loading and saving the player's remembered choices through QSettings.
#include "desktop/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>

namespace hazama {
namespace {

constexpr const char* kSpeedNames[] = {"slow", "normal", "fast"};
constexpr const char* kTextSpeedNames[] = {"instant", "slow", "normal", "fast"};
constexpr const char* kSkipModeNames[] = {"read", "all"};

// Each reader leaves `value` alone unless the stored text is one it understands.
void read_bool(const QSettings& ini, const char* key, bool& value) {
    const QString text = ini.value(key).toString();
    if (text == "true") value = true;
    if (text == "false") value = false;
}

// A number that must be one of `steps`.
template <std::size_t N>
void read_step(const QSettings& ini, const char* key, const std::array<int, N>& steps, int& value) {
    bool ok = false;
    const int number = ini.value(key).toString().toInt(&ok);
    if (ok && std::ranges::find(steps, number) != steps.end()) value = number;
}

// A name that must be one of `names`, read as the enum value of its place.
template <typename Enum, std::size_t N>
void read_name(const QSettings& ini, const char* key, const char* const (&names)[N], Enum& value) {
    const QString text = ini.value(key).toString();
    for (std::size_t i = 0; i < N; ++i) {
        if (text == names[i]) value = static_cast<Enum>(i);
    }
}

}  // namespace

Settings Settings::load(const QString& path) {
    Settings settings;
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) return settings;
    const QSettings ini(path, QSettings::IniFormat);
    if (ini.status() == QSettings::AccessError) return settings;
    // A format error still leaves the well-formed lines readable.
    read_bool(ini, "fullscreen", settings.fullscreen);
    read_step(ini, "volume", kVolumeSteps, settings.volume);
    read_bool(ini, "auto_advance", settings.auto_advance);
    read_name(ini, "auto_speed", kSpeedNames, settings.auto_speed);
    read_bool(ini, "skip_read", settings.skip_read);
    read_name(ini, "skip_mode", kSkipModeNames, settings.skip_mode);
    read_name(ini, "text_speed", kTextSpeedNames, settings.text_speed);
    read_step(ini, "window_size", kWindowSizes, settings.window_size);
    read_bool(ini, "copy_lines", settings.copy_lines);
    read_bool(ini, "history_both", settings.history_both);
    settings.language = language_named(ini.value("language").toString().toStdString());
    return settings;
}

bool Settings::save(const QString& path) const {
    const QFileInfo file(path);
    if (file.isDir() || !QDir().mkpath(file.absolutePath())) return false;
    QSettings ini(path, QSettings::IniFormat);
    // QSettings writes the whole file to a temporary name beside it and renames that over
    // the old one (QSaveFile), never in place. Its own in-memory copy stays current, which a
    // rename of ours would leave stale for a later load in this process.
    ini.setAtomicSyncRequired(true);
    ini.clear();
    ini.setValue("fullscreen", fullscreen);
    ini.setValue("volume", volume);
    ini.setValue("auto_advance", auto_advance);
    ini.setValue("auto_speed", kSpeedNames[static_cast<int>(auto_speed)]);
    ini.setValue("skip_read", skip_read);
    ini.setValue("skip_mode", kSkipModeNames[static_cast<int>(skip_mode)]);
    ini.setValue("text_speed", kTextSpeedNames[static_cast<int>(text_speed)]);
    ini.setValue("window_size", window_size);
    ini.setValue("copy_lines", copy_lines);
    ini.setValue("history_both", history_both);
    if (language) ini.setValue("language", language_code(*language));
    ini.sync();
    // A damaged old file reports a format error but is replaced all the same.
    return ini.status() != QSettings::AccessError && QFileInfo(path).isFile();
}

QString settings_path() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.config";
    return base + "/hazama/settings.ini";
}

Language starting_language(std::optional<Language> forced, std::optional<Language> remembered,
                           Language desktop) {
    return forced ? *forced : remembered ? *remembered : desktop;
}

}  // namespace hazama
