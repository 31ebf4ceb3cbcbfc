// The window's saved positions: quick save and quick load on F5 and F9 with a notice over
// the scene, the automatic slot on closing, and continuing from it at the title.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "audio/recording_media_device.h"
#include "core/form_fixture.h"
#include "desktop/positions.h"
#include "desktop/qt_game.h"
#include "replay/replayer.h"
#include "replay/slot_file.h"

namespace hazama {
namespace {

class PositionsWindowTest : public ::testing::Test {
  protected:
    void open_game() {
        const char* assets = std::getenv("HAZAMA_ASSETS");
        game = std::make_unique<QtGame>(assets ? assets : "/nonexistent",
                                        QtGame::Options{.media = &media, .data = data.path()});
        game->form().Form_Load();
        game->window().show();
        game->window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&game->window()));
    }
    // Play at a place whose routine shows nothing, entered as the runner's script would.
    void enter_quiet_place() {
        MainForm& form = game->form();
        game->platform().run_script([&] {
            game->replayer().run([&] {
                ASSERT_TRUE(game->replayer().perform("set position=16"));
                ASSERT_TRUE(game->replayer().perform("new"));
            });
        });
        ASSERT_EQ(form.position, 16);
    }
    void key(Qt::Key k) { QTest::keyClick(&game->window(), k); }

    testing::ScratchFolder data{"positions-window"};
    RecordingMediaDevice media;
    std::unique_ptr<QtGame> game;
};

TEST_F(PositionsWindowTest, QuickSaveAndQuickLoadOnTheFunctionKeys) {
    open_game();
    key(Qt::Key_F5);
    EXPECT_EQ(game->positions().notice(), QStringLiteral("ここではセーブできません"))
        << "nothing to save at the title";
    enter_quiet_place();
    key(Qt::Key_F5);
    EXPECT_EQ(game->positions().notice(), QStringLiteral("クイックセーブしました"));
    auto* notice = game->window().findChild<QLabel*>(QStringLiteral("position_notice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    std::string why;
    const auto slot = read_slot(slot_path(data.path(), PositionKeeper::kQuickSlot), why);
    ASSERT_TRUE(slot) << why;
    EXPECT_FALSE(slot->thumbnail_png.empty());

    game->form().game = 7;  // the story moved on, as far as the slot knows
    key(Qt::Key_F9);
    EXPECT_EQ(game->form().game, 0);
    EXPECT_EQ(game->form().position, 16);
    EXPECT_EQ(game->replayer().here(), slot->position);
}

TEST_F(PositionsWindowTest, ClosingKeepsThePositionAndTheTitleContinuesFromIt) {
    open_game();
    enter_quiet_place();
    const Position here = game->replayer().here();
    game->window().close();
    QApplication::processEvents();
    EXPECT_TRUE(std::filesystem::exists(slot_path(data.path(), PositionKeeper::kAutoSlot)));
    game.reset();

    open_game();
    EXPECT_TRUE(game->positions().at_title());
    key(Qt::Key_F9);
    EXPECT_EQ(game->form().position, 16);
    EXPECT_EQ(game->replayer().here(), here);
    EXPECT_FALSE(game->positions().at_title());
}

// The opening and the staff roll show no line to come back to: saving there is refused, and
// closing keeps the line shown last, or the place before; in the opening of a new game that
// is nothing, and the automatic slot keeps the last run's place.
TEST_F(PositionsWindowTest, InsideTheOpeningNothingIsSavedAndTheLastRunsPlaceIsKept) {
    open_game();
    enter_quiet_place();
    game->window().close();
    QApplication::processEvents();
    const auto auto_slot = slot_path(data.path(), PositionKeeper::kAutoSlot);
    const std::string kept = testing::bytes_of(auto_slot);
    game.reset();

    open_game();
    QString notice;
    QTimer::singleShot(300, &game->window(), [&] {
        key(Qt::Key_F5);
        notice = game->positions().notice();
        game->window().close();
    });
    game->platform().run_script(
        [&] { game->replayer().run([&] { game->replayer().perform("new"); }); });
    QApplication::processEvents();
    EXPECT_EQ(notice, QStringLiteral("ここではセーブできません"));
    EXPECT_FALSE(std::filesystem::exists(slot_path(data.path(), PositionKeeper::kQuickSlot)));
    EXPECT_EQ(testing::bytes_of(auto_slot), kept);
}

// With a game to continue, the title says how under its panel: whole, in the game's
// language, at every window size, clear of the title's buttons.
TEST_F(PositionsWindowTest, TheTitlesHintToContinueFitsAtEverySizeInBothLanguages) {
    open_game();
    enter_quiet_place();
    game->window().close();
    QApplication::processEvents();
    game.reset();
    open_game();
    MainWindow& window = game->window();
    auto* hint = window.findChild<QLabel*>(QStringLiteral("continue_hint"));
    ASSERT_NE(hint, nullptr);
    const std::pair<Language, QString> languages[] = {
        {Language::ja, QStringLiteral("F9・右クリックで続きから")},
        {Language::en, QStringLiteral("F9 or right-click to resume")}};
    for (const auto& [language, words] : languages) {
        game->choices().set_language(language);
        for (const int size : {100, 150, 200}) {
            window.set_window_size(size);
            QApplication::processEvents();
            const std::string where = words.toStdString() + " at " + std::to_string(size) + "%";
            ASSERT_TRUE(hint->isVisible()) << where;
            EXPECT_EQ(hint->text(), words) << where;
            const QRect place = hint->geometry();
            const QRect needed =
                hint->fontMetrics().boundingRect(QRect(0, 0, place.width(), 10 * place.height()),
                                                 Qt::AlignCenter | Qt::TextWordWrap, hint->text());
            EXPECT_LE(needed.width(), place.width()) << where;
            EXPECT_LE(needed.height(), place.height()) << where;
            EXPECT_TRUE(window.rect().contains(place)) << where;
            for (auto* button : window.findChildren<QAbstractButton*>()) {
                if (button->isVisible())
                    EXPECT_FALSE(button->geometry().intersects(place))
                        << where << " covers " << button->objectName().toStdString();
            }
        }
    }
    window.set_window_size(100);
}

}  // namespace
}  // namespace hazama
