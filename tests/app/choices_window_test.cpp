// The menu's 音量 entries and the choices a window remembers for the next one, kept under a
// temporary XDG_CONFIG_HOME.
#include <QDialog>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

#include "desktop/settings.h"
#include "window_fixture.h"

namespace hazama {
namespace {

struct ChoicesTest : WindowTest {
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        WindowTest::SetUp();
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    QMenu* volume_menu() {
        auto* menu = window->findChild<QMenu*>(QStringLiteral("reading_menu"));
        for (QAction* a : menu->actions())
            if (a->menu() != nullptr && a->text().startsWith(QStringLiteral("音量")))
                return a->menu();
        return nullptr;
    }
    // Opens the menu as the player does, so its checks are brought up to date.
    void open_menu() { QTest::mouseClick(control("picmain0"), Qt::RightButton); }
    void close_menu() { window->findChild<QMenu*>(QStringLiteral("reading_menu"))->close(); }

    // A second window, as the next run of the game opens it.
    std::unique_ptr<QtGame> next_run(RecordingMediaDevice& device) {
        auto next = std::make_unique<QtGame>("/nonexistent", QtGame::Options{.media = &device});
        next->form().Form_Load();
        next->choices().use_settings(settings_path());
        return next;
    }

    QTemporaryDir config;
};

TEST_F(ChoicesTest, EachVolumeStepReachesTheDeviceAndShowsItsCheck) {
    game->choices().use_settings(settings_path());
    enter_play();
    QMenu* volumes = volume_menu();
    ASSERT_NE(volumes, nullptr);
    QStringList captions;
    for (QAction* a : volumes->actions()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"100 %", "75 %", "50 %", "25 %", "消音"}));

    const auto commands = media.commands().size();
    for (int i = static_cast<int>(kVolumeSteps.size()) - 1; i >= 0; --i) {
        open_menu();
        volumes->actions()[i]->trigger();
        close_menu();
        EXPECT_EQ(media.volume(), kVolumeSteps[i]);
        open_menu();
        EXPECT_TRUE(volumes->actions()[i]->isChecked()) << kVolumeSteps[i];
        close_menu();
    }
    // The volume is no media command: the music's commands and replies are unchanged.
    EXPECT_EQ(media.commands().size(), commands);
}

TEST_F(ChoicesTest, AChoiceMadeInOneWindowIsThereInTheNext) {
    game->choices().use_settings(settings_path());
    enter_play();
    open_menu();
    volume_menu()->actions()[2]->trigger();  // 50 %
    close_menu();
    QTest::keyClick(window, Qt::Key_F2);  // auto on
    QTest::keyClick(window, Qt::Key_F3);  // skip on
    QTest::keyClick(window, Qt::Key_F11);
    ASSERT_TRUE(window->fullscreen());

    RecordingMediaDevice next_media;
    auto next = next_run(next_media);
    EXPECT_EQ(next->choices().volume(), 50);
    EXPECT_EQ(next_media.volume(), 50);
    EXPECT_TRUE(next->form().reading().auto_on());
    EXPECT_TRUE(next->form().reading().skip_on());
    EXPECT_TRUE(next->window().fullscreen());

    // Back to the defaults in the next window: the one after starts as a new player's.
    next->window().set_fullscreen(false);
    next->form().set_auto(false);
    next->form().set_skip(false);
    next->choices().set_volume(100);
    next->window().close();  // closing keeps what is in force
    RecordingMediaDevice third_media;
    auto third = next_run(third_media);
    EXPECT_EQ(Settings::load(settings_path()), Settings{});
    EXPECT_FALSE(third->window().fullscreen());
    EXPECT_FALSE(third->form().reading().auto_on());
}

TEST_F(ChoicesTest, AnUnwritableFolderKeepsNothingAndComplainsOfNothing) {
    // The config folder is a file: nothing can be written below it.
    const QString blocked = config.filePath("blocked");
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    game->choices().use_settings(blocked + "/hazama/settings.ini");
    enter_play();
    QTest::keyClick(window, Qt::Key_F2);
    EXPECT_TRUE(form->reading().auto_on());
    EXPECT_FALSE(QFileInfo::exists(blocked + "/hazama"));
    EXPECT_FALSE(window->findChild<QDialog*>());
    form->set_auto(false);
}

}  // namespace
}  // namespace hazama
