// The remembered choices: what is saved comes back, and a missing, unreadable, unwritable
// or damaged settings file gives the defaults without a fuss.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "desktop/settings.h"

namespace hazama {
namespace {

void write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(Settings, WhatIsSavedComesBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("config/hazama/settings.ini");  // folders made on save
    const Settings chosen{.fullscreen = true,
                          .volume = 25,
                          .auto_advance = true,
                          .auto_speed = AutoSpeed::fast,
                          .skip_read = true};
    ASSERT_TRUE(chosen.save(path));
    EXPECT_EQ(Settings::load(path), chosen);
    EXPECT_EQ(QDir(dir.filePath("config/hazama")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"settings.ini"})
        << "no temporary or lock file is left behind";

    // Every step and speed survives, and a save replaces the whole file.
    write_file(path, "[General]\nvolume=50\nstray=1\n");
    for (int volume : kVolumeSteps) {
        for (AutoSpeed speed : {AutoSpeed::slow, AutoSpeed::normal, AutoSpeed::fast}) {
            const Settings s{.volume = volume, .auto_speed = speed};
            ASSERT_TRUE(s.save(path));
            EXPECT_EQ(Settings::load(path), s) << volume << " " << static_cast<int>(speed);
        }
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("stray"));
}

TEST(Settings, MissingOrUnreadableFilesGiveTheDefaults) {
    QTemporaryDir dir;
    const Settings defaults;
    EXPECT_EQ(defaults, (Settings{false, 100, false, AutoSpeed::normal, false}));
    EXPECT_EQ(Settings::load(dir.filePath("settings.ini")), defaults);
    EXPECT_EQ(Settings::load(dir.filePath("no/such/folder/settings.ini")), defaults);
    EXPECT_EQ(Settings::load(""), defaults);

    // A folder where the file should be cannot be read as one.
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ini"));
    EXPECT_EQ(Settings::load(dir.filePath("folder.ini")), defaults);

    // A file without read permission (root reads it anyway, so only the rest is checked).
    const QString locked = dir.filePath("locked.ini");
    ASSERT_TRUE(Settings{.fullscreen = true}.save(locked));
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    if (!QFileInfo(locked).isReadable()) {
        EXPECT_EQ(Settings::load(locked), defaults);
    }
}

TEST(Settings, AnUnwritablePlaceRefusesTheSaveAndKeepsWhatWasThere) {
    QTemporaryDir dir;
    // The folder cannot be made: a file stands where it should be.
    write_file(dir.filePath("hazama"), "a file, not a folder");
    const QString blocked = dir.filePath("hazama/settings.ini");
    EXPECT_FALSE(Settings{.volume = 50}.save(blocked));
    EXPECT_EQ(Settings::load(blocked), Settings{});

    // A folder stands where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.ini"));
    EXPECT_FALSE(Settings{.volume = 50}.save(dir.filePath("taken.ini")));
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.ini")).isDir());

    // A folder the user may not write to (root may, so then there is nothing to see).
    const QString path = dir.filePath("shut/settings.ini");
    ASSERT_TRUE(Settings{.skip_read = true}.save(path));
    QFile::setPermissions(dir.filePath("shut"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QFileInfo(dir.filePath("shut")).isWritable()) {
        EXPECT_FALSE(Settings{.volume = 0}.save(path));
        EXPECT_EQ(Settings::load(path), Settings{.skip_read = true}) << "the old file is whole";
    }
    QFile::setPermissions(dir.filePath("shut"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(Settings, DamagedValuesFallBackOneByOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");

    write_file(path, QByteArray("\x00\xff\xfe garbage \x01\n[[[\n=\n\x80\x81", 24));
    EXPECT_EQ(Settings::load(path), Settings{});
    ASSERT_TRUE(Settings{.volume = 75}.save(path)) << "a damaged file is replaced";
    EXPECT_EQ(Settings::load(path), Settings{.volume = 75});

    // Sensible values are kept beside nonsense, a broken line and a list.
    write_file(path,
               "[General]\nfullscreen=true\nvolume=60\nnot a line at all\n"
               "auto_advance=true\nauto_speed=warp\nskip_read=1, 2\n");
    EXPECT_EQ(Settings::load(path), (Settings{.fullscreen = true, .auto_advance = true}));

    write_file(path, "[General]\nfullscreen=maybe\nvolume=75\nauto_speed=slow\nskip_read=\n");
    EXPECT_EQ(Settings::load(path), (Settings{.volume = 75, .auto_speed = AutoSpeed::slow}));
}

TEST(Settings, LiveInTheXdgConfigFolder) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/elsewhere");
    EXPECT_EQ(settings_path(), "/tmp/elsewhere/hazama/settings.ini");
    const QString home = QDir::homePath() + "/.config/hazama/settings.ini";
    qputenv("XDG_CONFIG_HOME", "relative/path");
    EXPECT_EQ(settings_path(), home) << "a relative folder is not a valid XDG folder";
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(settings_path(), home);
    if (!saved.isNull()) qputenv("XDG_CONFIG_HOME", saved);
}

}  // namespace
}  // namespace hazama
