// The dialogs over the scaled window: the chooser and the message box open at the game's
// factor, not at their own small size in the middle of a large screen. Under Xvfb
// (ctest's fullscreen_xvfb) the screen is a real one of 1920 × 1080.
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "window_fixture.h"

namespace hazama {
namespace {

struct FullscreenDialogsTest : WindowTest {
    // Runs `open`, which opens a dialog; `look` sees the dialog once it shows, then it is
    // closed.
    void with_dialog(const std::function<void()>& open, const std::function<void(QDialog&)>& look) {
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return;
            driver.stop();
            look(*dialog);
            dialog->close();
        });
        driver.start(5);
        platform->run_script(open);
    }
};

TEST_F(FullscreenDialogsTest, TheChooserAndTheMessageBoxAreDrawnAtTheGamesFactor) {
    enter_play();
    // In the window of the design's size the chooser keeps its own.
    QSize chooser;
    with_dialog(
        [&] {
            platform->choose({"一", "二", ""});
        },
        [&](QDialog& d) { chooser = d.size(); });
    EXPECT_EQ(chooser, QSize(308, 201));

    window->set_fullscreen(true);
    QTest::qWait(50);
    const Fit fit{window->fit().factor, QPoint()};  // the window's factor, in the dialog
    ASSERT_GT(fit.factor, 1.0);
    QRect button;
    int button_font = 0;
    with_dialog(
        [&] {
            platform->choose({"一", "二", ""});
        },
        [&](QDialog& d) {
            chooser = d.size();
            auto* cancel = d.findChild<QPushButton*>(QStringLiteral("Command1_3"));
            button = cancel->geometry();
            button_font = cancel->font().pixelSize();
        });
    EXPECT_EQ(chooser, fit.map(QRect(0, 0, 308, 201)).size());
    EXPECT_EQ(button, fit.map(QRect(7, 156, 289, 33)));
    EXPECT_EQ(button_font, fit.length(16));

    // A message box's text grows by the same factor.
    const double own = QApplication::font().pointSizeF();
    double shown = 0;
    with_dialog([&] { platform->message_box("ファイルが見つかりません。", ""); },
                [&](QDialog& d) { shown = d.font().pointSizeF(); });
    EXPECT_NEAR(shown, own * fit.factor, 0.01);
    window->set_fullscreen(false);
    QTest::qWait(50);
}

}  // namespace
}  // namespace hazama
