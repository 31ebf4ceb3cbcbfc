// Closing the window inside each kind of wait the game has besides a line and a pause
// (those are in closing_test.cpp): a dissolve, the opening, the staff roll, the game's
// modal windows, and the history panel and the right-click menu open over a waiting line.
// Each sends "close x1" once and ends the script that was waiting.
#include <QApplication>
#include <QTimer>
#include <functional>

#include "window_fixture.h"

namespace hazama {
namespace {

struct Wait {
    const char* name;
    std::function<void(MainForm&)> enter;  // runs until the wait it enters is left
    bool modal;                            // a dialog is open while it waits
    const char* overlay = nullptr;         // the reading control open over it, by name
};

// Shows a line and, once it waits, lets `open` put a reading control over it.
void over_a_waiting_line(MainForm& f, void (*open)(QWidget& window)) {
    QWidget* game_window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (dynamic_cast<MainWindow*>(w) != nullptr) game_window = w;
    ASSERT_NE(game_window, nullptr);
    QWidget& window = *game_window;
    QTimer::singleShot(0, &window, [&window, open] { open(window); });
    f.message("閉じる前の行");
}

const Wait kWaits[] = {
    {"Fade",
     [](MainForm& f) {
         f.picture(1, "h03_ie.jpg");
         f.fade(1000, 0);
     },
     false},
    {"Opening", [](MainForm& f) { f.opening(); }, false},
    {"StaffRoll", [](MainForm& f) { f.ending(); }, false},
    {"Chooser", [](MainForm& f) { f.commove_Click(); }, true},
    {"SaveDialog", [](MainForm& f) { f.comsave_Click(); }, true},
    {"LoadDialog", [](MainForm& f) { f.comload_Click(); }, true},
    {"MessageBox", [](MainForm& f) { f.platform().message_box("読み込みエラー", {}); }, true},
    {"HistoryPanel",
     [](MainForm& f) {
         over_a_waiting_line(f, [](QWidget& w) { QTest::keyClick(&w, Qt::Key_PageUp); });
     },
     false, "history"},
    {"ReadingMenu",
     [](MainForm& f) {
         over_a_waiting_line(f, [](QWidget& w) {
             QTest::mouseClick(w.findChild<QWidget*>(QStringLiteral("picmain0")), Qt::RightButton);
         });
     },
     false, "reading_menu"},
};

class ClosingInsideAWait : public WindowTest, public ::testing::WithParamInterface<Wait> {};

TEST_P(ClosingInsideAWait, SendsCloseOnceAndEndsTheScript) {
    const Wait& wait = GetParam();
    enter_play();
    form->game = 4;  // somewhere with places to go
    form->position = 3;
    media.clear();

    // Close once the wait is surely entered: its dialog is up, or a few frames have passed.
    int ticks = 0;
    bool dialog_seen = false;
    QWidget* overlay = wait.overlay ? control(wait.overlay) : nullptr;
    bool overlay_open = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        dialog_seen = dialog_seen || QApplication::activeModalWidget() != nullptr;
        if (++ticks < 10 || (wait.modal && !dialog_seen)) return;
        closer.stop();
        overlay_open = overlay && overlay->isVisible();
        window->close();
    });
    closer.start(10);

    bool went_on = false;
    platform->run_script([&] {
        wait.enter(*form);
        // A wait that ends quietly on closing leaves the next one to end the script.
        form->pause_ms(60000);
        went_on = true;
    });
    EXPECT_FALSE(went_on);
    EXPECT_EQ(dialog_seen, wait.modal);
    if (overlay) {
        EXPECT_TRUE(overlay_open) << wait.overlay << " was open when the window closed";
        EXPECT_FALSE(overlay->isVisible()) << wait.overlay << " is closed too";
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the dialog is closed too";
    EXPECT_TRUE(platform->closing());
    EXPECT_FALSE(window->isVisible());
    int closes = 0;
    for (const std::string& c : media.commands()) closes += c == "close x1";
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(platform->exit_status(), 0);
}

INSTANTIATE_TEST_SUITE_P(Waits, ClosingInsideAWait, ::testing::ValuesIn(kWaits),
                         [](const ::testing::TestParamInfo<Wait>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace hazama
