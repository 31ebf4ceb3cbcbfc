// The reader's aids in the real window: letter by letter, the hidden text, Escape, the
// empty history, the maximise that goes fullscreen, and how the message line, the notice
// and the small buttons are drawn.
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "desktop/history_panel.h"
#include "desktop/message_line.h"
#include "window_fixture.h"

namespace hazama {
namespace {

struct AidsWindowTest : WindowTest {
    MessageLine* line() { return control<MessageLine>("labmain"); }
    QMenu* menu() { return window->findChild<QMenu*>(QStringLiteral("reading_menu")); }
    QAction* entry(const QString& start) {
        for (QAction* a : menu()->actions())
            if (a->text().startsWith(start)) return a;
        return nullptr;
    }
};

TEST_F(AidsWindowTest, LetterByLetterAClickShowsTheLineWholeAndTheNextReleasesIt) {
    enter_play();
    form->set_text_speed(TextSpeed::slow);
    const QString text = QStringLiteral("飛沫「一文字ずつ、\n　　　ゆっくりと。」");
    QString first_drawn, whole_drawn;
    int waiting_after_first_click = -1;
    run_steps([&] { form->message("飛沫「一文字ずつ、\r\n　　　ゆっくりと。」"); }, 30,
              {[&] {
                   // The label holds the whole line (as a screen reader gets it) and draws
                   // its beginning.
                   EXPECT_EQ(line()->text(), text);
                   first_drawn = line()->drawn();
                   click("picmain0");
               },
               [&] {
                   whole_drawn = line()->drawn();
                   waiting_after_first_click = form->mes;
                   click("labmain");
               }});
    EXPECT_FALSE(first_drawn.isEmpty());
    EXPECT_LT(first_drawn.size(), text.size());
    EXPECT_TRUE(text.startsWith(first_drawn));
    EXPECT_EQ(whole_drawn, text);
    EXPECT_EQ(waiting_after_first_click, 1);
    EXPECT_EQ(form->mes, 0);
}

TEST_F(AidsWindowTest, TheMiddleButtonHidesTheTextUntilTheNextClickOrKey) {
    enter_play();
    platform->set_visible(Control::picface, true);
    platform->set_timer_interval(TimerId::Timer2, 0);
    std::vector<bool> hidden_states;
    const auto hidden = [&] { return !shown("labmain") && !shown("picface") && !shown("imamou0"); };
    run_steps([&] { form->message("絵を見たい。"); }, 30,
              {[&] {
                   QTest::mouseClick(control("picmain0"), Qt::MiddleButton);
                   // The indicator's tick does not bring it back.
                   platform->set_visible(Control::imamou0, true);
                   hidden_states.push_back(hidden());
                   // A click shows the text and is no release.
                   click("picmain0");
                   hidden_states.push_back(hidden());
               },
               [&] {
                   EXPECT_EQ(form->mes, 1);
                   entry(QStringLiteral("文字を隠す"))->trigger();
                   hidden_states.push_back(hidden());
                   QTest::keyClick(window, Qt::Key_A);  // a key shows it too
                   hidden_states.push_back(hidden());
               },
               [&] {
                   EXPECT_EQ(form->mes, 1);
                   EXPECT_TRUE(shown("imamou0"));
                   QTest::keyClick(window, Qt::Key_Space);
               }});
    EXPECT_EQ(hidden_states, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(form->mes, 0);
}

TEST_F(AidsWindowTest, EscapeCancelsTheChooserAsItsButtonDoesAndClosesTheHistoryAndMenu) {
    enter_play();
    form->position = 1;
    form->game = 1;
    // Escape, then the cancel button: both leave the player idle where they were, with
    // nothing said.
    for (const bool escape : {true, false}) {
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (chooser == nullptr || !chooser->isVisible()) return;
            driver.stop();
            if (escape) {
                QTest::keyClick(chooser->focusWidget(), Qt::Key_Escape);
            } else {
                chooser->findChild<QPushButton*>(QStringLiteral("Command1_3"))->click();
            }
            QTimer::singleShot(2000, chooser, [chooser] { chooser->close(); });
        });
        driver.start(5);
        click("commove");
        EXPECT_EQ(form->position, 1) << escape;
        EXPECT_EQ(form->f00, 0) << escape;
        EXPECT_TRUE(form->reading().history().empty()) << escape;
        EXPECT_TRUE(line()->text().isEmpty()) << escape;
        for (const char* name : {"commove", "comtalk", "comlook", "comsave", "comload"})
            EXPECT_TRUE(enabled(name)) << name;
    }

    run_steps([&] { form->message("一行"); }, 30,
              {[&] {
                   QTest::keyClick(window, Qt::Key_PageUp);
                   EXPECT_TRUE(window->history_open());
                   QTest::keyClick(window, Qt::Key_Escape);
                   EXPECT_FALSE(window->history_open());
                   QTest::mouseClick(control("picmain0"), Qt::RightButton);
                   EXPECT_TRUE(menu()->isVisible());
                   QTest::keyClick(menu(), Qt::Key_Escape);
                   EXPECT_FALSE(menu()->isVisible());
               },
               [&] {
                   EXPECT_EQ(form->mes, 1);  // neither Escape was a release
                   form->Form_Click();
               }});
}

TEST_F(AidsWindowTest, AnEmptyHistoryOpensAndSaysSo) {
    enter_play();
    ASSERT_TRUE(form->reading().history().empty());
    auto* panel = window->findChild<HistoryPanel*>(QStringLiteral("history"));
    QTest::keyClick(window, Qt::Key_PageUp);
    ASSERT_TRUE(panel->isVisible());
    // Something is written across the middle of the panel.
    const QImage shot = panel->grab().toImage();
    const QRgb ground = shot.pixel(5, 5);
    int written = 0;
    for (int x = 0; x < 512; ++x)
        for (int y = 150; y < 240; ++y) written += shot.pixel(x, y) != ground;
    EXPECT_GT(written, 100);
    QTest::mouseClick(panel, Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(AidsWindowTest, AMaximiseFromTheWindowManagerGoesFullscreen) {
    enter_play();
    window->setWindowState(Qt::WindowMaximized);
    QTest::qWait(50);
    EXPECT_TRUE(window->fullscreen());
    EXPECT_FALSE(window->windowState().testFlag(Qt::WindowMaximized));
    window->set_fullscreen(false);
    QTest::qWait(50);
    EXPECT_EQ(window->size(), QSize(634, 463));
}

// The message line draws a line as a label does, but for "――", which it draws unbroken.
TEST_F(AidsWindowTest, TheMessageLineDrawsAsALabelAndJoinsTheDashes) {
    QLabel plain(window);
    plain.setGeometry(line()->geometry());
    plain.setFont(line()->font());
    plain.setPalette(line()->palette());
    plain.setWordWrap(true);
    plain.setAlignment(line()->alignment());
    plain.setTextFormat(Qt::PlainText);
    const auto image = [](QWidget* w) { return w->grab().toImage(); };
    // The longest run of lit pixels on any row.
    const auto longest_run = [](const QImage& shot) {
        int best = 0;
        for (int y = 0; y < shot.height(); ++y) {
            int run = 0;
            for (int x = 0; x < shot.width(); ++x) {
                run = qGray(shot.pixel(x, y)) > 128 ? run + 1 : 0;
                best = std::max(best, run);
            }
        }
        return best;
    };
    const QString line_text = QStringLiteral("飛沫「分からない。\n　　　本当に。」");
    line()->show_line(line_text);
    plain.setText(line_text);
    window->setStyleSheet(QStringLiteral("QLabel { background: black; }"));
    EXPECT_EQ(image(line()), image(&plain));

    line()->show_line(QStringLiteral("――"));
    plain.setText(QStringLiteral("――"));
    const int advance = QFontMetrics(line()->font()).horizontalAdvance(QStringLiteral("――"));
    EXPECT_LT(longest_run(image(&plain)), advance * 3 / 4) << "the face's own dashes part";
    EXPECT_GE(longest_run(image(line())), advance - 2);
    EXPECT_EQ(line()->text(), QStringLiteral("――"));
}

TEST_F(AidsWindowTest, TheNoticesTwoLinesAndTheSmallButtonsLineUp) {
    // The brand of the first line is drawn in the very columns of the name on the second:
    // the same columns hold ink in both, from where the brand begins.
    auto* notice = control<QLabel>("labcopy");
    const QImage shot = notice->grab().toImage();
    const int rows = shot.height() / 2;
    const int paper = qGray(shot.pixel(0, 0));
    const auto inked = [&](int x, int top) {
        for (int y = top; y < top + rows; ++y)
            if (paper - qGray(shot.pixel(x, y)) > 64) return true;
        return false;
    };
    int brand_at = 0;
    while (brand_at < shot.width() && !inked(brand_at, 0)) ++brand_at;
    const int brand = QFontMetrics(notice->font()).horizontalAdvance(QStringLiteral("ハザマ"));
    ASSERT_LT(brand_at + brand, shot.width());
    std::string first, second;
    for (int x = brand_at - 2; x < brand_at + brand; ++x) {
        first += inked(x, 0) ? '#' : '.';
        second += inked(x, rows) ? '#' : '.';
    }
    EXPECT_EQ(first, second);

    // The save and load buttons' faces begin and end in the same columns: the strips at
    // their two ends look alike, but for the grain of the paper behind them. (Their middle
    // rows: the frame's rule runs just above the save button.)
    enter_play();
    const QImage panel = window->grab().toImage();
    const QRect save = control("comsave")->geometry(), load = control("comload")->geometry();
    for (const int left : {522, 618}) {
        int unlike = 0;
        for (int x = left; x < left + 12; ++x) {
            for (int dy = 3; dy < save.height() - 3; ++dy) {
                const QColor a = panel.pixelColor(x, save.y() + dy);
                const QColor b = panel.pixelColor(x, load.y() + dy);
                unlike += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                    std::abs(a.blue() - b.blue())}) > 12;
            }
        }
        EXPECT_EQ(unlike, 0) << "at x " << left;
    }
}

}  // namespace
}  // namespace hazama
