// Closing the window inside each kind of wait the game has besides a line and a pause
// (those are in closing_test.cpp): a dissolve, the opening, the staff roll and the game's
// modal windows. Each sends "close x1" once and ends the script that was waiting.
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
};

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
    {"MessageBox", [](MainForm& f) { f.platform().message_box("読み込みエラー"); }, true},
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
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        dialog_seen = dialog_seen || QApplication::activeModalWidget() != nullptr;
        if (++ticks < 10 || (wait.modal && !dialog_seen)) return;
        closer.stop();
        window->close();
    });
    closer.start(10);

    bool went_on = false;
    window->run_script([&] {
        wait.enter(*form);
        // A wait that ends quietly on closing leaves the next one to end the script.
        form->pause_ms(60000);
        went_on = true;
    });
    EXPECT_FALSE(went_on);
    EXPECT_EQ(dialog_seen, wait.modal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the dialog is closed too";
    EXPECT_TRUE(window->closing());
    EXPECT_FALSE(window->isVisible());
    int closes = 0;
    for (const std::string& c : media.commands()) closes += c == "close x1";
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(window->exit_status(), 0);
}

INSTANTIATE_TEST_SUITE_P(Waits, ClosingInsideAWait, ::testing::ValuesIn(kWaits),
                         [](const ::testing::TestParamInfo<Wait>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace hazama
