// Going back from the history panel in the window: a line chosen with the keys or the
// mouse comes back as the uninterrupted run showed it, the history ends there and the read
// record keeps what was read; the game holds at the restored line and a click goes on as
// the first pass did. Lines before a loaded game cannot be chosen.
#include <QLabel>
#include <QWheelEvent>

#include "core/form_fixture.h"
#include "desktop/history_panel.h"
#include "desktop/positions.h"
#include "platform/qt_picture_decoder.h"
#include "replay/replay_gate.h"
#include "replay/replayer.h"
#include "window_fixture.h"

namespace hazama {
namespace {

// What the reader sees and what the story goes on from at one waiting line.
struct Seen {
    std::array<Plane, 6> planes;
    std::string state;
    Plane portrait;
    std::deque<HistoryEntry> history;
    std::string line;
    Position position;
};

Seen seen_in(MainForm& form, const Replayer& replayer) {
    return {form.picmain,
            std::to_string(form.game) + " " + std::to_string(form.position) + " " +
                std::to_string(form.light) + " " + std::to_string(form.f00) + " " +
                std::to_string(form.x00) + " " + form.MusicFile,
            form.portrait,
            form.reading().history().entries(),
            form.message_line(),
            replayer.here()};
}

// The commands played without a break on the virtual platform: what was seen at each line
// (index 0 is line 1).
std::vector<Seen> first_pass(const std::vector<std::string>& commands) {
    const char* assets = std::getenv("HAZAMA_ASSETS");
    RecordingMediaDevice device;
    VirtualPlatform platform{device};
    ReplayGate gate{platform};
    MainForm form{gate, assets ? assets : "/nonexistent"};
    Replayer replayer{form, gate};
    std::vector<Seen> seen;
    platform.decoder = decode_picture;
    platform.reader = [&] {
        seen.push_back(seen_in(form, replayer));
        form.labmain_Click();
    };
    form.Form_Load();
    for (const std::string& c : commands)
        replayer.run([&] { ASSERT_TRUE(replayer.perform(c)) << c; });
    return seen;
}

struct HistoryBackTest : WindowTest {
    HistoryPanel& panel() { return window->history(); }
    // The window at `at`, restored there and waiting, while `steps` run.
    void restore_and(const Seen& at, int gap, const std::vector<std::function<void()>>& steps) {
        run_steps([&] { game->replayer().request(at.position); }, gap, steps);
    }
    void expect_as_first_shown(const Seen& want, int line) {
        const Seen now = seen_in(*form, game->replayer());
        for (int i = 0; i < 6; ++i)
            EXPECT_TRUE(now.planes[i] == want.planes[i]) << "line " << line << " plane " << i;
        EXPECT_EQ(now.state, want.state) << "line " << line;
        EXPECT_TRUE(now.portrait == want.portrait) << "line " << line;
        EXPECT_TRUE(now.history == want.history) << "line " << line << ": the history ends there";
        EXPECT_EQ(control<QLabel>("labmain")->text(), MainWindow::display_text(want.line));
        EXPECT_EQ(form->messages_shown(), line);
        EXPECT_EQ(form->mes, 1) << "line " << line << " waits";
    }
    void click_at(QPoint at) { QTest::mouseClick(&panel(), Qt::LeftButton, {}, at); }
    void tilt_left() {
        const QPointF at(100, 100);
        QWheelEvent event(at, window->mapToGlobal(at), QPoint(), QPoint(120, 0), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(control("picmain0"), &event);
    }
};

TEST_F(HistoryBackTest, AChosenLineComesBackAsFirstShownAndGoesOnAsItDid) {
    const std::vector<Seen> pass = first_pass({"new"});
    ASSERT_GE(pass.size(), 14u);
    const auto at = [&](int line) { return pass[static_cast<std::size_t>(line - 1)]; };
    const std::string newest = at(13).line;
    restore_and(at(13), 30,
                {[&] {
                     expect_as_first_shown(at(13), 13);
                     QTest::keyClick(window, Qt::Key_PageUp);
                     ASSERT_TRUE(panel().isVisible());
                     // Up chooses the newest line, then each Up the one before it.
                     for (int i = 0; i < 4; ++i) QTest::keyClick(window, Qt::Key_Up);
                     EXPECT_EQ(panel().chosen(), 9);
                     EXPECT_FALSE(panel().offer_rect().isEmpty());
                     QTest::keyClick(window, Qt::Key_Return);
                 },
                 [&] {
                     expect_as_first_shown(at(10), 10);
                     EXPECT_FALSE(panel().isVisible());
                     EXPECT_TRUE(form->reading().record().contains(newest)) << "read stays read";
                     // The mouse: a click chooses, the line still waits; the offer goes back.
                     QTest::keyClick(window, Qt::Key_PageUp);
                     click_at(panel().entry_rect(7).center());
                     EXPECT_EQ(panel().chosen(), 7);
                     EXPECT_TRUE(panel().isVisible());
                     EXPECT_EQ(form->messages_shown(), 10);
                     click_at(panel().offer_rect().center());
                 },
                 [&] {
                     expect_as_first_shown(at(8), 8);
                     // The rest of that click released nothing; this one does.
                     QTest::mouseClick(control("picmain0"), Qt::LeftButton);
                 },
                 [&] {
                     expect_as_first_shown(at(9), 9);
                     // A double-click on a line goes back at once.
                     QTest::keyClick(window, Qt::Key_PageUp);
                     QTest::mouseDClick(&panel(), Qt::LeftButton, {},
                                        panel().entry_rect(5).center());
                 },
                 [&] {
                     expect_as_first_shown(at(6), 6);
                     tilt_left();
                 },
                 [&] {
                     expect_as_first_shown(at(5), 5);
                     form->set_ctrl(true);  // the rest of the command, unseen
                 }});
    form->set_ctrl(false);
    EXPECT_EQ(form->messages_shown(), static_cast<int>(pass.size()));
}

TEST_F(HistoryBackTest, LinesBeforeALoadedGameCannotBeChosen) {
    const std::vector<Seen> pass =
        first_pass({"new", "load-state game=1 position=1 light=0 music=up_mode2", "look"});
    ASSERT_EQ(pass.size(), 15u);
    bool checked = false;
    restore_and(pass.back(), 30, {[&] {
                    QTest::keyClick(window, Qt::Key_PageUp);
                    const int divider = 14;
                    ASSERT_TRUE(form->reading().history().entries()[divider].divider);
                    EXPECT_FALSE(panel().returnable(divider - 1));
                    EXPECT_EQ(panel().lines_back(divider + 1), 0);
                    // Hovering marks only a line that can be gone back to.
                    QTest::mouseMove(&panel(), panel().entry_rect(divider + 1).center());
                    EXPECT_EQ(panel().cursor().shape(), Qt::PointingHandCursor);
                    QTest::mouseMove(&panel(), panel().entry_rect(divider - 1).center());
                    EXPECT_NE(panel().cursor().shape(), Qt::PointingHandCursor);
                    // A click there says why and leaves everything as it is.
                    click_at(panel().entry_rect(divider - 1).center());
                    EXPECT_EQ(panel().notice(), QStringLiteral("ロードより前の行には戻れません"));
                    EXPECT_TRUE(panel().isVisible());
                    EXPECT_EQ(panel().chosen(), -1);
                    EXPECT_EQ(form->messages_shown(), 15);
                    // Up finds nothing before the load to choose: it scrolls as ever.
                    QTest::keyClick(window, Qt::Key_Up);
                    QTest::keyClick(window, Qt::Key_Up);
                    EXPECT_EQ(panel().chosen(), 15);
                    QTest::keyClick(window, Qt::Key_Escape);
                    EXPECT_EQ(panel().chosen(), -1);
                    QTest::keyClick(window, Qt::Key_Escape);
                    EXPECT_FALSE(panel().isVisible());
                    checked = form->mes == 1;
                    form->Form_Click();
                }});
    EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace hazama
