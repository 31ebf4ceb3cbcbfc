// The game window: its two screens, the release inputs, keys, the waiting indicator and
// what the window shows for the core.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include "window_fixture.h"

namespace hazama {
namespace {

struct Spot {
    const char* name;
    QRect geometry;
};

TEST_F(WindowTest, TitleScreenThenPlayScreen) {
    EXPECT_EQ(window->size(), QSize(634, 463));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ハザマ"));

    const Spot layout[] = {
        {"piclogo", {520, 9, 106, 52}},   {"comsave", {529, 103, 97, 17}},
        {"comload", {530, 128, 97, 17}},  {"comstart", {529, 153, 97, 17}},
        {"comend", {529, 232, 97, 17}},   {"commove", {529, 257, 97, 41}},
        {"comtalk", {529, 305, 97, 41}},  {"comlook", {529, 355, 97, 41}},
        {"picmain0", {4, 5, 512, 384}},   {"picface", {32, 396, 65, 65}},
        {"labmain", {112, 397, 513, 65}}, {"imamou0", {599, 428, 32, 32}},
        {"imamou1", {599, 428, 32, 32}},
    };
    for (const Spot& s : layout) EXPECT_EQ(control(s.name)->geometry(), s.geometry) << s.name;
    EXPECT_EQ(control("labcopy")->pos(), QPoint(528, 64));
    // The maker's notice: two lines.
    const auto* notice = control<QLabel>("labcopy");
    EXPECT_EQ(notice->text().count(QLatin1Char('\n')), 1);
    EXPECT_FALSE(notice->text().contains(QLatin1Char('\r')));
    EXPECT_EQ(control<QPushButton>("comsave")->text(), QStringLiteral("セーブ(&S)"));
    EXPECT_EQ(control<QPushButton>("comload")->text(), QStringLiteral("ロード(&O)"));
    EXPECT_EQ(control<QPushButton>("comstart")->text(), QStringLiteral("始めから(&F)"));
    EXPECT_EQ(control<QPushButton>("comend")->text(), QStringLiteral("終了(&Q)"));
    EXPECT_EQ(control("labmain")->font().pixelSize(), 19);
    EXPECT_EQ(control("labmain")->palette().color(QPalette::WindowText), QColor(Qt::white));
    for (const char* command : {"commove", "comtalk", "comlook"})
        EXPECT_EQ(control(command)->focusPolicy(), Qt::NoFocus) << command;

    // Title: logo, notice, load and new game.
    for (const char* name : {"piclogo", "labcopy", "labmain", "comload", "comstart"})
        EXPECT_TRUE(shown(name)) << name;
    for (const char* name : {"picmain0", "picface", "comsave", "comend", "commove", "comtalk",
                             "comlook", "imamou0", "imamou1"})
        EXPECT_FALSE(shown(name)) << name;
    for (const char* name : {"comsave", "commove", "comtalk", "comlook"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_TRUE(enabled("comload"));
    EXPECT_TRUE(enabled("comstart"));
    EXPECT_TRUE(control<QLabel>("labmain")->text().isEmpty());

    // New game: the play screen, its commands still disabled while the first scene runs.
    form->position = 16;
    click("comstart");
    EXPECT_FALSE(platform->closing());
    EXPECT_FALSE(shown("comstart"));
    for (const char* name : {"picmain0", "comsave", "comload", "commove", "comtalk", "comlook"})
        EXPECT_TRUE(shown(name)) << name;
    for (const char* name : {"comsave", "comload", "commove", "comtalk", "comlook"})
        EXPECT_FALSE(enabled(name)) << name;
    form->com();
    for (const char* name : {"comsave", "comload", "commove", "comtalk", "comlook"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_FALSE(shown("comend"));
}

TEST_F(WindowTest, ScreenPortraitAndCreditsShowWhatTheCoreGives) {
    enter_play();
    form->picmain[0].resize(512, 384, 0x00336699);
    form->picmain[0].row(200)[100] = 0x00FF0000;
    form->refresh();
    const QImage screen = control("picmain0")->grab().toImage();
    EXPECT_EQ(screen.pixelColor(0, 0), QColor(0x33, 0x66, 0x99));
    EXPECT_EQ(screen.pixelColor(100, 200), QColor(0xFF, 0, 0));

    // The portrait box keeps its picture even when the plane changes afterwards.
    Plane portrait(65, 65, 0x0000FF00);
    platform->set_face(&portrait);
    portrait.resize(65, 65, 0);
    platform->set_face(nullptr);
    const auto* face = control<QLabel>("picface");
    EXPECT_EQ(face->pixmap().toImage().pixelColor(30, 30), QColor(0, 0xFF, 0));

    StaffLabel credit;
    credit.text = "原作";
    credit.x = 40;
    credit.y = 300;
    credit.point_size = 12;
    credit.bold = true;
    credit.white = true;
    credit.visible = true;
    platform->set_staff(3, credit);
    auto* label = control<QLabel>("labstaff3");
    EXPECT_EQ(label->parentWidget(), control("picmain0"));
    EXPECT_EQ(label->text(), QStringLiteral("原作"));
    EXPECT_EQ(label->pos(), QPoint(40, 300));
    EXPECT_EQ(label->font().pixelSize(), 16);
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(shown("labstaff3"));
    EXPECT_FALSE(shown("labstaff4"));

    // CR LF in a message is a line break.
    platform->set_message("一行目\r\n二行目");
    EXPECT_EQ(control<QLabel>("labmain")->text(), QStringLiteral("一行目\n二行目"));
}

TEST_F(WindowTest, EveryReleaseInputEndsAWaitingLine) {
    enter_play();
    // The portrait and the indicator only take clicks while they are shown; keep the
    // indicator still so it stays where it is clicked.
    platform->set_timer_interval(TimerId::Timer2, 0);
    for (Control c : {Control::picface, Control::imamou0, Control::imamou1})
        platform->set_visible(c, true);

    for (const char* name :
         {"picmain0", "labmain", "labcopy", "picface", "piclogo", "imamou0", "imamou1"}) {
        EXPECT_TRUE(line_released_by([&] { click(name); })) << name;
    }
    // The bare background, between the portrait and the message line.
    ASSERT_EQ(window->childAt(104, 430), nullptr);
    EXPECT_TRUE(
        line_released_by([&] { QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(104, 430)); }));
    EXPECT_TRUE(line_released_by([&] { QTest::keyClick(window, Qt::Key_Space); }));
    EXPECT_TRUE(line_released_by([&] { QTest::keyClick(window, Qt::Key_Return); }));
    EXPECT_TRUE(line_released_by([&] { QTest::keyClick(window, Qt::Key_Enter); }));

    // A right click is not a release input.
    EXPECT_FALSE(line_released_by([&] { QTest::mouseClick(control("labmain"), Qt::RightButton); }));
}

TEST_F(WindowTest, KeysBelongToTheWindowNotToTheFocusedButton) {
    auto* start = control<QPushButton>("comstart");
    QSignalSpy pressed(start, &QAbstractButton::clicked);
    start->setFocus();
    ASSERT_TRUE(start->hasFocus());
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A})
        QTest::keyClick(start, key);
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_TRUE(shown("comstart"));

    // The mnemonic still presses its button.
    form->position = 16;
    QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    // A mnemonic shows the button pressed for a moment before it clicks.
    EXPECT_TRUE(QTest::qWaitFor([&] { return pressed.count() == 1; }, 2000));
    EXPECT_FALSE(shown("comstart"));

    // While a line waits, other character keys do nothing; Space on a focused button
    // releases the line without pressing the button (were it pressed, the quit button
    // would end the wait instead of hanging the test).
    platform->set_visible(Control::comend, true);
    auto* quit = control<QPushButton>("comend");
    QSignalSpy quitted(quit, &QAbstractButton::clicked);
    quit->setFocus();
    ASSERT_TRUE(quit->hasFocus());
    bool still_waiting = false;
    EXPECT_TRUE(line_released_by([&] {
        for (Qt::Key key : {Qt::Key_A, Qt::Key_1, Qt::Key_Escape, Qt::Key_Backspace})
            QTest::keyClick(quit, key);
        still_waiting = form->mes == 1;
        QTest::keyClick(quit, Qt::Key_Space);
    }));
    EXPECT_TRUE(still_waiting);
    EXPECT_EQ(quitted.count(), 0);
    EXPECT_FALSE(platform->closing());
}

TEST_F(WindowTest, IndicatorBlinksWhileALineWaits) {
    enter_play();
    auto frame = [&] {
        const bool zero = shown("imamou0");
        const bool one = shown("imamou1");
        return zero && one ? 'B' : zero ? '0' : one ? '1' : '-';
    };
    // Records each frame as it changes; releases the line after `frames` of them.
    auto watch = [&](std::size_t frames) {
        std::string seen;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            const char now = frame();
            if (now != '-' && (seen.empty() || seen.back() != now)) seen += now;
            if (seen.size() == frames) form->Form_Click();
        });
        watcher.start(2);
        EXPECT_TRUE(run_while([&] { form->message("待つ"); }, [] {}));
        return seen;
    };
    EXPECT_EQ(frame(), '-');
    EXPECT_EQ(watch(3), "101");
    // Hidden at the first tick after the release.
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame() == '-'; }, 2000));
    // The next wait goes on from the phase where the last one stopped.
    EXPECT_EQ(watch(1), "0");
}

TEST_F(WindowTest, ButtonsAreDisabledWhileAScriptRuns) {
    enter_play();
    const char* group[] = {"commove", "comtalk", "comlook", "comsave", "comload"};
    bool all_disabled = true;
    bool chooser_opened = false;
    bool still_waiting = false;
    EXPECT_TRUE(run_while(
        [&] {
            form->com_no();
            form->message("台詞");
            form->com();
        },
        [&] {
            for (const char* name : group) all_disabled = all_disabled && !enabled(name);
            // A disabled button neither starts a command nor releases the line.
            click("commove");
            chooser_opened = QApplication::activeModalWidget() != nullptr;
            still_waiting = form->mes == 1;
            click("labmain");
        }));
    EXPECT_TRUE(all_disabled);
    EXPECT_TRUE(still_waiting);
    EXPECT_FALSE(chooser_opened);
    for (const char* name : group) EXPECT_TRUE(enabled(name)) << name;
    EXPECT_TRUE(control<QLabel>("labmain")->text().isEmpty());
}

TEST_F(WindowTest, AClickDuringAPauseDoesNotSkipTheNextLine) {
    enter_play();
    bool next_line_waited = false;
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        if (form->mes == 1) {
            next_line_waited = true;
            form->labmain_Click();
        }
    });
    EXPECT_TRUE(run_while(
        [&] {
            form->pause_ms(150);
            reader.start(5);
            form->message("間のあとで");
        },
        [&] { click("labmain"); }));
    EXPECT_TRUE(next_line_waited);
}

}  // namespace
}  // namespace hazama
