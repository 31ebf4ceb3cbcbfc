// Closing the window ends everything at once, even inside a wait; a fatal error is
// reported and ends the program with status 1.
#include <QLabel>
#include <QMessageBox>

#include "window_fixture.h"

namespace hazama {
namespace {

int closes(const RecordingMediaDevice& media) {
    int n = 0;
    for (const std::string& c : media.commands()) n += c == "close x1";
    return n;
}

TEST_F(WindowTest, ClosingInsideALineWaitEndsTheScript) {
    enter_play();
    media.clear();
    bool went_on = false;
    EXPECT_TRUE(run_while(
        [&] {
            form->message("閉じる前");
            went_on = true;
            form->message("閉じた後");
        },
        [&] { window->close(); }));
    EXPECT_FALSE(went_on);
    EXPECT_TRUE(platform->closing());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closes(media), 1);
    EXPECT_EQ(platform->exit_status(), 0);
    // Every later wait returns at once instead of blocking.
    EXPECT_THROW(form->pause_ms(60000), GameClosed);
    EXPECT_THROW(form->message("もう一行"), GameClosed);
}

TEST_F(WindowTest, ClosingInsideAPauseEndsTheScript) {
    enter_play();
    media.clear();
    bool went_on = false;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] { window->close(); });
    closer.start(20);
    platform->run_script([&] {
        form->pause_ms(60000);
        went_on = true;
    });
    EXPECT_FALSE(went_on);
    EXPECT_TRUE(platform->closing());
    EXPECT_EQ(closes(media), 1);
}

TEST_F(WindowTest, QuitButtonClosesOnce) {
    enter_play();
    platform->set_visible(Control::comend, true);
    media.clear();
    click("comend");
    EXPECT_TRUE(platform->closing());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closes(media), 1);
}

TEST_F(WindowTest, FatalErrorIsShownAndEndsTheProgram) {
    enter_play();
    QString text;
    QString title;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            title = box->windowTitle();
            box->accept();
        }
    });
    answer.start(10);
    media.clear();
    bool went_on = false;
    platform->run_script([&] {
        throw FatalError("画像ファイルを読み込めません: gra/h99_none.jpg");
        went_on = true;
    });
    EXPECT_FALSE(went_on);
    EXPECT_EQ(text, QStringLiteral("画像ファイルを読み込めません: gra/h99_none.jpg"));
    EXPECT_EQ(title, QStringLiteral("ハザマ"));
    EXPECT_EQ(platform->exit_status(), 1);
    EXPECT_TRUE(platform->closing());
    EXPECT_EQ(closes(media), 1);
}

}  // namespace
}  // namespace hazama
