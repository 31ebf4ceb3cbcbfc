// The waiting indicator keeps its look after a position has been restored (going back, a
// slot loaded): the same pixels as before, never greyed.
#include <QLabel>

#include "window_fixture.h"

namespace hazama {
namespace {

struct IndicatorTest : WindowTest {
    QImage indicator() {
        QLabel* first = control<QLabel>("imamou0");
        QLabel* shown = first->isVisible() ? first : control<QLabel>("imamou1");
        EXPECT_TRUE(shown->isEnabled());
        return shown->grab().toImage();
    }
};

TEST_F(IndicatorTest, KeepsItsLookAfterTheHistoryAndARestore) {
    QImage before;
    QImage after_history;
    QImage after_back;
    run_steps(
        [&] {
            enter_play();
            form->message("一行目");
            form->message("二行目");
        },
        300,
        {[&] {
             before = indicator();
             QTest::keyClick(window, Qt::Key_PageUp);
         },
         [&] { QTest::keyClick(window, Qt::Key_Escape); },
         [&] {
             after_history = indicator();
             // What a restore does once its line is reached.
             form->show_as_it_stands();
         },
         [&] {
             after_back = indicator();
             form->Form_Unload();
         }});
    ASSERT_FALSE(before.isNull());
    // The two frames alternate; either one is the same art as before.
    const QImage frames[] = {control<QLabel>("imamou0")->pixmap().toImage(),
                             control<QLabel>("imamou1")->pixmap().toImage()};
    for (const QImage* seen : {&before, &after_history, &after_back}) {
        EXPECT_TRUE(*seen == frames[0].convertToFormat(seen->format()) ||
                    *seen == frames[1].convertToFormat(seen->format()));
    }
}

}  // namespace
}  // namespace hazama
