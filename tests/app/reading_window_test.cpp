// The reading controls in the real window: the history panel, the right-click menu, the
// marks, Ctrl held, and the keys the story keeps for itself.
#include <QMenu>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "desktop/history_panel.h"
#include "desktop/reading_menu.h"
#include "window_fixture.h"

namespace hazama {
namespace {

void wheel(QWidget* target, int delta) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

struct ReadingWindowTest : WindowTest {
    HistoryPanel* panel() { return window->findChild<HistoryPanel*>(QStringLiteral("history")); }
    QMenu* menu() { return window->findChild<QMenu*>(QStringLiteral("reading_menu")); }
};

TEST_F(ReadingWindowTest, HistoryOpensOverAWaitingLineAndClosingItIsNoRelease) {
    enter_play();
    run_while([&] { form->message("飛沫「一つ目」"); }, [&] { form->Form_Click(); });
    bool waited_through = false;
    run_while([&] { form->message("二つ目の行\r\nその続き"); },
              [&] {
                  wheel(control("picmain0"), 120);
                  ASSERT_TRUE(panel()->isVisible());
                  EXPECT_EQ(panel()->texts(),
                            QStringList({QStringLiteral("飛沫「一つ目」"),
                                         QStringLiteral("二つ目の行\nその続き")}));
                  EXPECT_TRUE(panel()->at_end());
                  QTest::keyClick(window, Qt::Key_Home);
                  EXPECT_EQ(panel()->scroll_top(), 0);
                  // A click on the panel closes it; the line still waits.
                  QTest::mouseClick(panel(), Qt::LeftButton);
                  EXPECT_FALSE(panel()->isVisible());
                  EXPECT_EQ(form->mes, 1);
                  // Page Up again, Page Down at the end closes it; still waiting.
                  QTest::keyClick(window, Qt::Key_PageUp);
                  EXPECT_TRUE(panel()->isVisible());
                  QTest::keyClick(window, Qt::Key_PageDown);
                  EXPECT_FALSE(panel()->isVisible());
                  wheel(control("labmain"), 120);
                  wheel(control("labmain"), -120);
                  EXPECT_FALSE(panel()->isVisible());
                  waited_through = form->mes == 1;
                  QTest::keyClick(window, Qt::Key_Space);
              });
    EXPECT_TRUE(waited_through);
    EXPECT_EQ(form->mes, 0);
}

TEST_F(ReadingWindowTest, RightClickOpensTheMenuAndReleasesNothing) {
    enter_play();
    run_while([&] { form->message("一行"); }, [&] { form->Form_Click(); });
    bool waiting = false;
    QStringList entries;
    run_while([&] { form->message("右クリック"); },
              [&] {
                  QTest::mouseClick(control("picmain0"), Qt::RightButton);
                  waiting = form->mes == 1;
                  for (QAction* a : menu()->actions())
                      if (!a->isSeparator())
                          entries << a->text() + (a->isEnabled() ? "" : " (off)");
                  EXPECT_TRUE(menu()->isVisible());
                  // Choosing オート switches it on and shows its mark.
                  menu()->actions()[1]->trigger();
                  EXPECT_TRUE(form->reading().auto_on());
                  EXPECT_TRUE(shown("auto_mark"));
                  menu()->close();
                  form->set_auto(false);
                  form->Form_Click();
              });
    EXPECT_TRUE(waiting);
    EXPECT_EQ(
        entries,
        QStringList({QStringLiteral("履歴(&H)\tPgUp"), QStringLiteral("オート(&A)\tF2"),
                     QStringLiteral("オートの速さ(&V)"), QStringLiteral("既読スキップ(&K)\tF3"),
                     QStringLiteral("全画面(&U)\tF11"), QStringLiteral("音量(&M)"),
                     QStringLiteral("この行をコピー(&C)\tCtrl+C"),
                     QStringLiteral("文字を隠す(&D)\t中ボタン"),
                     QStringLiteral("言語 / Language (&L)"), QStringLiteral("セーブ(&E)…\tF6"),
                     QStringLiteral("ロード(&O)…\tF7"), QStringLiteral("設定(&S)…")}));
}

TEST_F(ReadingWindowTest, CtrlHeldSkipsEveryLineUntilItIsLetGo) {
    enter_play();
    QTest::keyPress(window, Qt::Key_Control);
    EXPECT_TRUE(form->reading().ctrl_held());
    EXPECT_TRUE(shown("skip_mark"));
    // Neither line waits: the script ends without the watchdog.
    EXPECT_TRUE(run_while(
        [&] {
            form->message("一");
            form->message("二");
        },
        [] {}));
    QTest::keyRelease(window, Qt::Key_Control);
    EXPECT_FALSE(form->reading().ctrl_held());
    EXPECT_FALSE(shown("skip_mark"));
    // Pressed while a line waits, Ctrl releases it.
    EXPECT_TRUE(
        run_while([&] { form->message("三"); }, [&] { QTest::keyPress(window, Qt::Key_Control); }));
    QTest::keyRelease(window, Qt::Key_Control);
    EXPECT_FALSE(form->reading().skip_on());
}

TEST_F(ReadingWindowTest, CharacterKeysStillDoNothingAndSpaceAndEnterStillRelease) {
    enter_play();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_1, Qt::Key_Escape, Qt::Key_Backspace}) {
        EXPECT_FALSE(line_released_by([&] { QTest::keyClick(window, key); })) << key;
    }
    EXPECT_TRUE(line_released_by([&] { QTest::keyClick(window, Qt::Key_Space); }));
    EXPECT_TRUE(line_released_by([&] { QTest::keyClick(window, Qt::Key_Return); }));
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(form->reading().auto_on());
    EXPECT_FALSE(form->reading().skip_on());
    QTest::keyClick(window, Qt::Key_F2);
    QTest::keyClick(window, Qt::Key_F3);
    EXPECT_TRUE(form->reading().auto_on());
    EXPECT_TRUE(form->reading().skip_on());
}

TEST_F(ReadingWindowTest, ClosingWithTheHistoryAndTheMenuOpenEndsTheScriptAndKeepsTheRecord) {
    QTemporaryDir data;
    form->reading().set_data_folder(data.path().toStdString());
    enter_play();
    bool went_on = false;
    EXPECT_TRUE(run_while(
        [&] {
            form->message("一行目");
            form->message("二行目");
            went_on = true;
        },
        [&] {
            form->Form_Click();
            QTimer::singleShot(0, [&] {
                QTest::keyClick(window, Qt::Key_PageUp);
                static_cast<ReadingMenu*>(menu())->open_at(window->mapToGlobal(QPoint(9, 9)));
                EXPECT_TRUE(panel()->isVisible());
                EXPECT_TRUE(menu()->isVisible());
                window->close();
            });
        }));
    EXPECT_FALSE(went_on);
    EXPECT_TRUE(platform->closing());
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(menu()->isVisible());
    ReadRecord kept(data.path().toStdString());
    EXPECT_TRUE(kept.contains("一行目"));
    EXPECT_TRUE(kept.contains("二行目"));
}

}  // namespace
}  // namespace hazama
