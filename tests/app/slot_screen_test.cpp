// The slot screen in the real window: saving in the middle of a scene, asking before a slot
// is written over or deleted, a damaged slot refused without touching anything, and a load
// that puts the saved line on screen as the uninterrupted run shows it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iostream>
#include <sstream>

#include "audio/recording_media_device.h"
#include "core/form_fixture.h"
#include "desktop/positions.h"
#include "desktop/qt_game.h"
#include "desktop/slot_card.h"
#include "desktop/slot_screen.h"
#include "platform/qt_picture_decoder.h"
#include "platform/virtual_platform.h"
#include "replay/replay_gate.h"
#include "replay/replayer.h"
#include "replay/slot_file.h"

namespace hazama {
namespace {

using testing::bytes_of;

const char* assets() {
    const char* env = std::getenv("HAZAMA_ASSETS");
    return env != nullptr ? env : "/nonexistent";
}

// Line `k` of `commands` as the uninterrupted run shows it, on the virtual platform; with
// `k` 0, the last line it shows.
struct Seen {
    Position position;
    Plane screen;
    std::string line;
    std::string music;
};

Seen uninterrupted(int k, const std::vector<std::string>& commands = {"new"}) {
    RecordingMediaDevice device;
    VirtualPlatform platform{device};
    ReplayGate gate{platform};
    MainForm form{gate, assets()};
    Replayer replayer{form, gate};
    Seen seen;
    platform.decoder = decode_picture;
    platform.reader = [&] {
        if (form.messages_shown() == k || k == 0) {
            seen = {replayer.here(), form.picmain[0], form.message_line(), form.MusicFile};
        }
        form.labmain_Click();
    };
    form.Form_Load();
    for (const std::string& command : commands) {
        if (command.starts_with("move ")) platform.chooser_answers.push_back(command[5] - '0');
        replayer.run([&] { EXPECT_TRUE(replayer.perform(command)) << command; });
    }
    return seen;
}

// The opening's line restored here: the first after the scene changes.
constexpr int kLine = 5;
// In the middle of the closed road's scene, the first day's third command.
constexpr int kRoadLine = 18;

class SlotScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        game = std::make_unique<QtGame>(assets(),
                                        QtGame::Options{.media = &media, .data = data.path()});
        game->form().Form_Load();
        game->window().show();
        game->window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&game->window()));
    }

    // Restores `position` in the window and runs `steps` in turn from the event loop its
    // line waits in; a step that returns false is tried again a little later. The window
    // is closed at the end (or after 20 s, failing the test).
    void run_steps(const Position& position, const std::vector<std::function<bool()>>& steps) {
        std::size_t next = 0;
        QTimer stepper;
        stepper.setInterval(20);
        QObject::connect(&stepper, &QTimer::timeout, [&] {
            stepper.stop();
            if (next < steps.size() && steps[next]()) ++next;
            if (next < steps.size()) {
                stepper.start();
            } else {
                game->window().close();
            }
        });
        stepper.start();
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] { game->window().close(); });
        watchdog.start(20000);
        game->platform().run_script([&] { game->replayer().request(position); });
        EXPECT_EQ(next, steps.size()) << "step " << next << " never came to pass";
    }

    // Presses `key` on the window; `act` runs on the slot screen it opens, which is closed
    // after unless `act` closed it.
    void on_screen(Qt::Key key, const std::function<void(SlotScreen&)>& act) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* screen = dynamic_cast<SlotScreen*>(QApplication::activeModalWidget());
            ASSERT_NE(screen, nullptr) << "no slot screen";
            opened = true;
            act(*screen);
            if (screen->isVisible()) press(*screen, Qt::Key_Escape);
        });
        QTest::keyClick(&game->window(), key);
        EXPECT_TRUE(opened);
    }

    // The next message box is answered with `button`; its text is kept in `asked`.
    void answer_next(QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "nothing was asked";
            asked << box->text();
            box->button(button)->click();
        });
    }

    // A key as the player types it, to the control of `screen` with the focus.
    static void press(SlotScreen& screen, Qt::Key key) {
        QTest::keyClick(screen.focusWidget(), key);
    }
    bool waiting_at(int line) const {
        return game->form().messages_shown() == line && game->form().mes == 1;
    }
    std::filesystem::path slot(const char* name) const { return slot_path(data.path(), name); }

    testing::ScratchFolder data{"slot-screen"};
    RecordingMediaDevice media;
    std::unique_ptr<QtGame> game;
    QStringList asked;
};

TEST_F(SlotScreenTest, SavesMidSceneAsksBeforeWritingOverAndDeletes) {
    const Seen seen = uninterrupted(kRoadLine, {"new", "look", "talk", "move 1"});
    ASSERT_EQ(seen.position.message, kRoadLine);
    const auto file = slot("slot03");
    std::string first;
    run_steps(seen.position,
              {[&] { return waiting_at(kRoadLine); },
               [&] {
                   on_screen(Qt::Key_F6, [&](SlotScreen& screen) {
                       EXPECT_EQ(screen.objectName(), QStringLiteral("save_screen"));
                       EXPECT_EQ(screen.card(2)->state(), SlotCard::State::empty);
                       // From the first slot: right, down, left is the third; Enter saves there.
                       for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Return})
                           press(screen, k);
                       const SlotCard& card = *screen.card(2);
                       ASSERT_EQ(card.state(), SlotCard::State::used);
                       EXPECT_EQ(card.accessibleName().left(5), QStringLiteral("No.3:"));
                       EXPECT_EQ(card.place().toStdString(),
                                 MainForm::place_name(game->form().position));
                       EXPECT_FALSE(card.place().isEmpty());
                       EXPECT_EQ(card.line().toStdString(), seen.line);
                       ASSERT_FALSE(card.thumbnail().isNull());
                       EXPECT_EQ(card.thumbnail().width() * 3, card.thumbnail().height() * 4);
                       first = bytes_of(file);

                       // Writing over asks first; "no" leaves the file as it was, byte for byte.
                       answer_next(QMessageBox::No);
                       press(screen, Qt::Key_Return);
                       EXPECT_EQ(bytes_of(file), first);
                       EXPECT_EQ(asked.size(), 1);
                       EXPECT_TRUE(screen.isVisible());

                       // Delete asks too: "no" keeps it, "yes" empties the slot.
                       answer_next(QMessageBox::No);
                       press(screen, Qt::Key_Delete);
                       EXPECT_EQ(bytes_of(file), first);
                       // With the mouse: 削除, then the slot.
                       answer_next(QMessageBox::Yes);
                       QTest::mouseClick(screen.findChild<QPushButton*>("delete"), Qt::LeftButton);
                       QTest::mouseClick(screen.card(2), Qt::LeftButton);
                       EXPECT_FALSE(std::filesystem::exists(file));
                       EXPECT_EQ(screen.card(2)->state(), SlotCard::State::empty);
                       EXPECT_EQ(asked.size(), 3);

                       // Past the right column the next page; Escape closes.
                       press(screen, Qt::Key_Right);
                       press(screen, Qt::Key_Right);
                       EXPECT_EQ(screen.page(), 2);
                       EXPECT_EQ(screen.card(0)->accessibleName(), QStringLiteral("No.7: 空き"));
                       press(screen, Qt::Key_Escape);
                       EXPECT_FALSE(screen.isVisible());
                   });
                   // The line still waits where it was.
                   EXPECT_TRUE(waiting_at(kRoadLine));
                   return true;
               }});
}

TEST_F(SlotScreenTest, RefusesADamagedSlotAndLoadsTheSavedLine) {
    const Seen seen = uninterrupted(kLine);
    data.write("saves/slot04.hzs", "# hazama position 1\nnot a slot\n");
    const auto damaged = slot("slot04");
    const auto saved = slot("slot03");
    run_steps(
        seen.position,
        {[&] { return waiting_at(kLine); },
         [&] {
             on_screen(Qt::Key_F6, [&](SlotScreen& screen) { screen.choose(2); });
             return std::filesystem::exists(saved);
         },
         [&] {
             const std::string before = bytes_of(saved) + bytes_of(damaged);
             on_screen(Qt::Key_F7, [&](SlotScreen& screen) {
                 EXPECT_EQ(screen.card(3)->state(), SlotCard::State::damaged);
                 EXPECT_EQ(screen.card(3)->accessibleName(),
                           QStringLiteral("No.4: 読み込めないデータです"));
                 answer_next(QMessageBox::Ok);
                 screen.choose(3);
                 EXPECT_EQ(asked, QStringList{QStringLiteral("このセーブデータは読み込めません")});
                 EXPECT_TRUE(screen.isVisible()) << "the screen stays for another choice";
             });
             EXPECT_EQ(bytes_of(saved) + bytes_of(damaged), before);
             EXPECT_EQ(game->replayer().here(), seen.position);
             EXPECT_TRUE(waiting_at(kLine));
             game->form().Form_Click();  // on to the next scene
             return true;
         },
         [&] { return waiting_at(kLine + 1); },
         [&] {
             EXPECT_NE(game->form().picmain[0], seen.screen);
             on_screen(Qt::Key_F7, [&](SlotScreen& screen) { screen.choose(2); });
             return true;
         },
         [&] {
             if (!waiting_at(kLine)) return false;
             // The screen, the line and the music of the uninterrupted run at that line.
             EXPECT_EQ(game->form().picmain[0], seen.screen);
             EXPECT_EQ(game->form().message_line(), seen.line);
             EXPECT_EQ(game->form().MusicFile, seen.music);
             EXPECT_EQ(game->replayer().here(), seen.position);
             const Plane& plane = seen.screen;
             const QImage expected(reinterpret_cast<const uchar*>(plane.pixels.data()), plane.width,
                                   plane.height, plane.width * 4, QImage::Format_RGB32);
             QWidget* scene = game->window().control(Control::picmain0);
             EXPECT_EQ(scene->grab().toImage().convertToFormat(QImage::Format_RGB32),
                       expected.copy(0, 0, scene->width(), scene->height()));
             return true;
         }});
}

// The staff roll shows no line: saving is refused there, and closing keeps the last line.
TEST_F(SlotScreenTest, DuringTheStaffRollSavingIsRefusedAndClosingKeepsTheLastLine) {
    const Seen last = uninterrupted(0, {"new", "set game=48 position=1", "move 0"});
    QString notice;
    run_steps(last.position, {[&] {
                                  if (!waiting_at(last.position.message)) return false;
                                  game->form().Form_Click();  // on into the staff roll
                                  return true;
                              },
                              [&] {
                                  if (!game->form().labstaff[0].visible) return false;
                                  // A screen that opened would hold this step until the watchdog
                                  // closes it.
                                  QTest::keyClick(&game->window(), Qt::Key_F6);
                                  QTest::keyClick(&game->window(), Qt::Key_F5);
                                  notice = game->positions().notice();
                                  return true;
                              }});
    EXPECT_EQ(notice, QStringLiteral("ここではセーブできません"));
    EXPECT_FALSE(std::filesystem::exists(slot(PositionKeeper::kQuickSlot)));
    std::string why;
    const auto kept = read_slot(slot(PositionKeeper::kAutoSlot), why);
    ASSERT_TRUE(kept) << why;
    EXPECT_EQ(kept->position, last.position);
}

TEST_F(SlotScreenTest, ClosingTheGameOverAQuestionClosesTheScreenTooAndWritesNothing) {
    const Seen seen = uninterrupted(kLine);
    const auto file = slot("slot03");
    run_steps(seen.position, {[&] { return waiting_at(kLine); },
                              [&] {
                                  game->window().set_window_size(150);
                                  on_screen(Qt::Key_F6, [&](SlotScreen& screen) {
                                      // Drawn at the window's factor, as the game's other dialogs.
                                      EXPECT_EQ(screen.size(), QSize(948, 606));
                                      screen.choose(2);
                                      const std::string first = bytes_of(file);
                                      QTimer::singleShot(0, [&] { game->window().close(); });
                                      screen.choose(2);
                                      EXPECT_FALSE(screen.isVisible());
                                      EXPECT_EQ(bytes_of(file), first);
                                  });
                                  return true;
                              }});
    EXPECT_TRUE(game->platform().closing());
}

}  // namespace
}  // namespace hazama
