// Loading and saving the player's remembered choices through QSettings.
#include "app/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>

namespace hazama {
namespace {

constexpr const char* kSpeedNames[] = {"slow", "normal", "fast"};

// Each reader leaves `value` alone unless the stored text is one it understands.
void read_bool(const QSettings& ini, const char* key, bool& value) {
    const QString text = ini.value(key).toString();
    if (text == "true") value = true;
    if (text == "false") value = false;
}

void read_volume(const QSettings& ini, int& value) {
    bool ok = false;
    const int number = ini.value("volume").toString().toInt(&ok);
    if (ok && std::ranges::find(kVolumeSteps, number) != kVolumeSteps.end()) value = number;
}

void read_speed(const QSettings& ini, AutoSpeed& value) {
    const QString text = ini.value("auto_speed").toString();
    for (int i = 0; i < 3; ++i) {
        if (text == kSpeedNames[i]) value = static_cast<AutoSpeed>(i);
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
    read_volume(ini, settings.volume);
    read_bool(ini, "auto_advance", settings.auto_advance);
    read_speed(ini, settings.auto_speed);
    read_bool(ini, "skip_read", settings.skip_read);
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
    ini.sync();
    // A damaged old file reports a format error but is replaced all the same.
    return ini.status() != QSettings::AccessError && QFileInfo(path).isFile();
}

QString settings_path() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.config";
    return base + "/hazama/settings.ini";
}

}  // namespace hazama
