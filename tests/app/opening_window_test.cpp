// The opening in the window: during it the menu opens and the slot keys say they cannot
// save or load there; once it has been watched through, the next one ends at a click.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "audio/recording_media_device.h"
#include "core/form_fixture.h"
#include "desktop/positions.h"
#include "desktop/qt_game.h"
#include "replay/replayer.h"

namespace hazama {
namespace {

struct PositionsWindowOpening : ::testing::Test {
    void open_game() {
        const char* assets = std::getenv("HAZAMA_ASSETS");
        game = std::make_unique<QtGame>(assets ? assets : "/nonexistent",
                                        QtGame::Options{.media = &media, .data = data.path()});
        // The read record kept between the two games, as the program keeps it.
        game->form().reading().set_data_folder(data.path());
        game->form().Form_Load();
        game->window().show();
        game->window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&game->window()));
    }
    // Starts a new game; `during` runs 300 ms into the opening. Returns how long the opening
    // ran, in ms; Ctrl held then takes the game to its first command, and the window closes.
    qint64 new_game(const std::function<void()>& during) {
        QElapsedTimer clock;
        qint64 ran = -1;
        QTimer::singleShot(300, &game->window(), during);
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (ran < 0 && clock.elapsed() > 100 && !game->form().in_opening()) {
                ran = clock.elapsed();
                game->form().set_ctrl(true);  // the lines after it go by
            }
        });
        watch.start(5);
        clock.start();
        game->platform().run_script(
            [&] { game->replayer().run([&] { game->replayer().perform("new"); }); });
        game->window().close();
        QApplication::processEvents();
        return ran;
    }
    void key(Qt::Key k) { QTest::keyClick(&game->window(), k); }

    testing::ScratchFolder data{"opening-window"};
    RecordingMediaDevice media;
    std::unique_ptr<QtGame> game;
};

TEST_F(PositionsWindowOpening, TheMenuOpensInItAndOnceWatchedAClickEndsIt) {
    open_game();
    QStringList notices;
    bool menu_shown = false;
    const qint64 first = new_game([&] {
        for (const Qt::Key k : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7}) {
            key(k);
            notices << game->positions().notice();
        }
        QTest::mouseClick(&game->window(), Qt::RightButton, {}, QPoint(300, 200));
        auto* menu = game->window().findChild<QMenu*>(QStringLiteral("reading_menu"));
        menu_shown = menu != nullptr && menu->isVisible();
        if (menu != nullptr) menu->close();
        // A click does nothing to a first viewing; Ctrl held hurries it (and the lines after).
        QTest::mouseClick(&game->window(), Qt::LeftButton, {}, QPoint(300, 200));
        game->form().set_ctrl(true);
    });
    EXPECT_EQ(notices, QStringList({QStringLiteral("ここではセーブできません"),
                                    QStringLiteral("ここではセーブできません"),
                                    QStringLiteral("ここではロードできません")}));
    EXPECT_TRUE(menu_shown);
    EXPECT_GT(first, 300 + 1000) << "the first viewing runs whole (hurried by Ctrl)";
    game.reset();

    open_game();
    const qint64 seen =
        new_game([&] { QTest::mouseClick(&game->window(), Qt::LeftButton, {}, QPoint(300, 200)); });
    EXPECT_GE(seen, 300);
    EXPECT_LT(seen, 1500) << "a click ends a seen opening at once";
}

}  // namespace
}  // namespace hazama
