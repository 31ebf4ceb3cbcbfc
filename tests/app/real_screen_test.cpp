// The window on a real X screen (ctest's window_xvfb): the clipboard as another program
// reads it (xclip), and what the window asks of the window manager for its title bar.
#include <QGuiApplication>
#include <QProcess>

#include "window_fixture.h"
#include "x11_property.h"

namespace hazama {
namespace {

struct RealScreenTest : WindowTest {
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            GTEST_SKIP() << "needs an X screen (ctest's window_xvfb)";
        WindowTest::SetUp();
    }

    // The clipboard's text as xclip reads it; the game answers it meanwhile.
    QString clipboard() {
        QProcess xclip;
        QEventLoop loop;
        QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        xclip.start(QStringLiteral("xclip"), {"-o", "-selection", "clipboard"});
        loop.exec();
        return QString::fromUtf8(xclip.readAllStandardOutput());
    }

    // A property of the window as the window manager reads it, in 32-bit words.
    std::vector<std::uint32_t> property(const char* name, xcb_atom_t type) {
        return x11_property(window->winId(), name, type);
    }
};

TEST_F(RealScreenTest, CtrlCCopiesTheLineAndLeavesItWaitingButCtrlHeldStillSkips) {
    enter_play();
    QString copied;
    int waiting_after_copy = -1;
    run_steps(
        [&] {
            form->message("飛沫「辞書で引きたい言葉。\r\n　　　二行目も。」");
            form->message("次の行");
        },
        600,
        {[&] {
             QTest::keyPress(window, Qt::Key_Control);
             QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
         },
         [&] {
             // Longer than Ctrl takes to start skipping: the line still waits.
             waiting_after_copy = form->mes;
             copied = clipboard();
             QTest::keyRelease(window, Qt::Key_Control);
             QTest::keyPress(window, Qt::Key_Control);  // held, it skips both lines
         }});
    QTest::keyRelease(window, Qt::Key_Control);
    EXPECT_EQ(waiting_after_copy, 1);
    EXPECT_EQ(copied, QStringLiteral("飛沫「辞書で引きたい言葉。\n　　　二行目も。」"));
    ASSERT_FALSE(form->reading().history().empty());
    EXPECT_EQ(form->reading().history().entries().back().text, "次の行");
}

TEST_F(RealScreenTest, InCopyModeEveryLineThatWaitsIsOnTheClipboard) {
    enter_play();
    form->set_copy_lines(true);
    QStringList seen;
    run_steps(
        [&] {
            form->message("一行目");
            form->message("少年「二行目。」");
        },
        50,
        {[&] {
             seen << clipboard();
             form->Form_Click();
         },
         [&] {
             seen << clipboard();
             form->Form_Click();
         }});
    EXPECT_EQ(seen, QStringList({QStringLiteral("一行目"), QStringLiteral("少年「二行目。」")}));
}

TEST_F(RealScreenTest, TheTitleBarOffersNoMaximiseAtAnySize) {
    constexpr std::uint32_t kFunctions = 1, kDecorations = 2;  // which words count
    constexpr std::uint32_t kAll = 1, kMaximiseFunction = 0x10, kMaximiseButton = 0x40;
    for (const int size : {100, 200, 100}) {
        window->set_window_size(size);
        QTest::qWait(50);
        const auto motif = property("_MOTIF_WM_HINTS", XCB_ATOM_ANY);
        ASSERT_GE(motif.size(), 3u) << size;
        EXPECT_TRUE(motif[0] & kFunctions);
        EXPECT_FALSE(motif[1] & (kAll | kMaximiseFunction)) << size;
        EXPECT_TRUE(motif[0] & kDecorations);
        EXPECT_FALSE(motif[2] & (kAll | kMaximiseButton)) << size;
        // WM_NORMAL_HINTS: flags, x, y, width, height, min width, min height, max width...
        const auto normal = property("WM_NORMAL_HINTS", XCB_ATOM_WM_SIZE_HINTS);
        ASSERT_GE(normal.size(), 9u);
        EXPECT_EQ(normal[5], normal[7]) << size;
        EXPECT_EQ(normal[6], normal[8]) << size;
        EXPECT_EQ(normal[5], static_cast<std::uint32_t>(window->width())) << size;
    }
}

}  // namespace
}  // namespace hazama
