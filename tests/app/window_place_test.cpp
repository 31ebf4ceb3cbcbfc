// Where the window stands and how it starts: a change of size keeps its centre, the first
// start without a remembered size suits the screen, and the chooser and the slot screen are
// dialogs of the game window for the window manager (ctest's window_place_xvfb, on a large
// screen; the place alone also offscreen).
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include "desktop/go_position.h"
#include "desktop/slot_screen.h"
#include "shell/settings.h"
#include "shell/slot_pages.h"
#include "window_fixture.h"
#include "x11_property.h"

namespace hazama {
namespace {

struct WindowPlace : WindowTest {
    bool on_x() const { return QGuiApplication::platformName() == QStringLiteral("xcb"); }
    QPoint centre() const { return window->frameGeometry().center(); }
    // Sets the size and waits for the window system to have placed the window.
    void resize_to(int percent) {
        window->set_window_size(percent);
        QTest::qWait(on_x() ? 100 : 0);
    }
};

TEST_F(WindowPlace, AChangeOfSizeKeepsTheCentreTheWindowWasLeftAt) {
    window->move(60, 40);
    QTest::qWait(on_x() ? 100 : 0);
    const QPoint left_at = centre();
    const QRect room = window->screen()->availableGeometry();
    for (const int size : {150, 200, 100, 200, 150, 100}) {
        resize_to(size);
        const QRect frame = window->frameGeometry();
        // At its centre unless that would put it past the screen's edge; never past it.
        QRect wanted(QPoint(), frame.size());
        wanted.moveCenter(left_at);
        if (room.contains(wanted)) {
            EXPECT_EQ(centre(), left_at) << size;
        } else {
            EXPECT_GE(frame.left(), room.left()) << size;
            EXPECT_GE(frame.top(), room.top()) << size;
        }
    }
    EXPECT_EQ(centre(), left_at);
    // Moved by the player, it keeps the new place.
    window->move(100, 90);
    QTest::qWait(on_x() ? 100 : 0);
    const QPoint moved = centre();
    resize_to(150);
    resize_to(100);
    EXPECT_EQ(centre(), moved);
}

TEST_F(WindowPlace, WithNoSizeRememberedTheFirstWindowIsTheLargestThatFitsThreeQuarters) {
    if (!on_x()) GTEST_SKIP() << "needs the large X screen of ctest's window_place_xvfb";
    const QRect room = window->screen()->availableGeometry();
    const int expected = first_window_size(room.width(), room.height());
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("settings.ini"));
    game->choices().use_settings(file);
    EXPECT_EQ(window->window_size(), expected);
    EXPECT_GT(expected, 100) << "the screen given is large";
    EXPECT_EQ(window->width(), (634 * expected + 50) / 100);
    EXPECT_LE(window->width() * 4, room.width() * 3);
    EXPECT_LE(window->height() * 4, room.height() * 3);

    // A size remembered, even the smallest, is the size.
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write("[General]\nwindow_size=100\n");
    written.close();
    RecordingMediaDevice next_media;
    QtGame next("/nonexistent", QtGame::Options{.media = &next_media});
    next.choices().use_settings(file);
    EXPECT_EQ(next.window().window_size(), 100);
    EXPECT_EQ(next.window().size(), QSize(634, 463));
}

TEST_F(WindowPlace, TheChooserAndTheSlotScreenAreDialogsOfTheGameWindow) {
    if (!on_x()) GTEST_SKIP() << "needs an X screen (ctest's window_place_xvfb)";
    constexpr std::uint32_t kFunctions = 1, kDecorations = 2;              // which words count
    constexpr std::uint32_t kAll = 1, kMinimise = 0x08, kMaximise = 0x10;  // functions
    constexpr std::uint32_t kMinimiseButton = 0x20, kMaximiseButton = 0x40;
    QTemporaryDir data;
    SlotPages pages(SlotPages::Mode::load, data.path().toStdString(), form->translator(), {}, 0);
    GoPosition chooser(window, {"一", "二", "三"});
    SlotScreen slot_screen(window, pages);
    for (QDialog* dialog : {static_cast<QDialog*>(&chooser), static_cast<QDialog*>(&slot_screen)}) {
        const QString name = dialog->metaObject()->className();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        const auto id = static_cast<std::uint32_t>(dialog->winId());
        const auto transient = x11_property(id, "WM_TRANSIENT_FOR", XCB_ATOM_WINDOW);
        ASSERT_EQ(transient.size(), 1u) << name.toStdString();
        EXPECT_EQ(transient[0], static_cast<std::uint32_t>(window->winId()));
        const auto type = x11_property(id, "_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM);
        ASSERT_FALSE(type.empty());
        EXPECT_EQ(type[0], x11_atom("_NET_WM_WINDOW_TYPE_DIALOG")) << name.toStdString();
        const auto motif = x11_property(id, "_MOTIF_WM_HINTS", XCB_ATOM_ANY);
        ASSERT_GE(motif.size(), 3u) << name.toStdString();
        EXPECT_TRUE(motif[0] & kFunctions);
        EXPECT_FALSE(motif[1] & (kAll | kMinimise | kMaximise)) << name.toStdString();
        EXPECT_TRUE(motif[0] & kDecorations);
        EXPECT_FALSE(motif[2] & (kAll | kMinimiseButton | kMaximiseButton)) << name.toStdString();
        // Centred on the game window (within a title bar: a window manager adds its frame
        // after the dialog has been placed).
        EXPECT_LE(
            (dialog->frameGeometry().center() - window->frameGeometry().center()).manhattanLength(),
            16)
            << name.toStdString();
        dialog->close();
    }
}

}  // namespace
}  // namespace hazama
