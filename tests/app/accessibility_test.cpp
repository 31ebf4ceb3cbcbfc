// What a screen reader finds in the game, read for real over AT-SPI by
// tests/app/accessible_tree.py: the line on the message line as it appears, the command
// buttons by their words, the menu and the chooser. Runs under Xvfb with the accessibility
// bus up (ctest's accessibility_xvfb); skipped elsewhere.
#include <QCoreApplication>
#include <QMenu>
#include <QProcess>
#include <QPushButton>

#include "desktop/reading_menu.h"
#include "window_fixture.h"

namespace hazama {
namespace {

struct AccessibilityTest : WindowTest {
    void SetUp() override {
        if (qEnvironmentVariable("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") != QStringLiteral("1"))
            GTEST_SKIP() << "needs the AT-SPI bus (ctest's accessibility_xvfb)";
        WindowTest::SetUp();
    }

    // The reader, started with `mode` and its arguments after the game's process id; each
    // line it prints goes to `on_line`, and `done` is called when it has ended.
    QProcess* start_reader(const QStringList& mode, std::function<void(const QString&)> on_line,
                           std::function<void()> done) {
        auto* reader = new QProcess(window);
        const QString script =
            qEnvironmentVariable("HAZAMA_SOURCE") + QStringLiteral("/tests/app/accessible_tree.py");
        QStringList args{script, mode.front(), QString::number(QCoreApplication::applicationPid())};
        args += mode.mid(1);
        QObject::connect(reader, &QProcess::readyReadStandardOutput, reader, [reader, on_line] {
            while (reader->canReadLine()) on_line(QString::fromUtf8(reader->readLine()).chopped(1));
        });
        QObject::connect(reader, &QProcess::finished, reader, [done] { done(); });
        reader->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        reader->start(QStringLiteral("/usr/bin/python3"), args);
        return reader;
    }

    // The tree as the reader prints it, the game serving its questions meanwhile.
    QStringList tree() {
        QStringList lines;
        QEventLoop loop;
        start_reader(
            {QStringLiteral("tree")}, [&](const QString& l) { lines << l; }, [&] { loop.quit(); });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        return lines;
    }
    // What the reader hears of `kind` ("focus", "name") once `trigger` has run.
    QStringList listen(const QString& kind, const std::function<void()>& trigger) {
        QStringList heard;
        QEventLoop loop;
        start_reader(
            {QStringLiteral("listen"), QStringLiteral("20"), kind},
            [&](const QString& l) {
                if (l == QStringLiteral("listening")) {
                    trigger();
                } else {
                    heard << l;
                }
            },
            [&] { loop.quit(); });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        return heard;
    }
    static bool has(const QStringList& tree, const QString& role, const QString& name) {
        return tree.contains(role + QLatin1Char('\t') + name);
    }
};

TEST_F(AccessibilityTest, TheLineAsItAppearsTheCommandsAndTheMenu) {
    enter_play();
    QStringList first_tree, menu_heard, heard;
    bool second_line_waited = false;
    QTimer::singleShot(0, [&] {
        first_tree = tree();
        auto* menu =
            static_cast<ReadingMenu*>(window->findChild<QMenu*>(QStringLiteral("reading_menu")));
        // A menu is read entry by entry as the keys go through it.
        menu->open_at(window->mapToGlobal(QPoint(40, 40)));
        menu_heard = listen(QStringLiteral("focus"), [&] { QTest::keyClick(menu, Qt::Key_Up); });
        menu->close();
        // The next line is announced as it appears: the reader listens, then the first
        // line is released and the second shown.
        start_reader(
            {QStringLiteral("listen"), QStringLiteral("20"), QStringLiteral("name")},
            [&](const QString& line) {
                if (line == QStringLiteral("listening")) {
                    form->Form_Click();
                } else {
                    heard << line;
                }
            },
            [&] {
                second_line_waited = form->mes == 1;
                form->Form_Click();
            });
    });
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] { form->Form_Click(); });
    watchdog.start(60000);
    platform->run_script([&] {
        form->message("飛沫「聞こえる？\r\n　　　ここよ。」");
        form->message("少年「聞こえるよ。」");
    });

    ASSERT_FALSE(first_tree.isEmpty());
    EXPECT_TRUE(has(first_tree, QStringLiteral("label"),
                    QStringLiteral("飛沫「聞こえる？\\n　　　ここよ。」")))
        << first_tree.join(QLatin1Char('\n')).toStdString();
    for (const char* word : {"移動", "話す", "見る"})
        EXPECT_TRUE(has(first_tree, QStringLiteral("push button"), QString::fromUtf8(word)))
            << word;
    EXPECT_TRUE(has(first_tree, QStringLiteral("push button"), QStringLiteral("セーブ(S)")));

    // Up from the top comes round to the last entry.
    EXPECT_EQ(menu_heard, QStringList{QStringLiteral("menu item\t設定(S)…")});
    EXPECT_EQ(heard, QStringList{QStringLiteral("label\t少年「聞こえるよ。」")});
    EXPECT_TRUE(second_line_waited);
}

TEST_F(AccessibilityTest, TheChoosersButtonsAreNamedByTheirPlaces) {
    enter_play();
    QStringList seen;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* chooser = QApplication::activeModalWidget();
        if (chooser == nullptr || !chooser->isVisible()) return;
        driver.stop();
        seen = tree();
        chooser->findChild<QPushButton*>(QStringLiteral("Command1_3"))->click();
    });
    driver.start(10);
    int answer = -2;
    platform->run_script([&] { answer = platform->choose({"↑家の中", "←学校方面", ""}); });
    EXPECT_EQ(answer, 3);
    for (const char* caption : {"↑家の中", "←学校方面", "移動をやめる"}) {
        EXPECT_TRUE(has(seen, QStringLiteral("push button"), QString::fromUtf8(caption)))
            << caption << "\n"
            << seen.join(QLatin1Char('\n')).toStdString();
    }
    EXPECT_TRUE(has(seen, QStringLiteral("label"), QStringLiteral("何処へ移動しますか？")));
}

}  // namespace
}  // namespace hazama
