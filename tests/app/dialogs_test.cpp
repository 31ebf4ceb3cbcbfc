// The modal windows: the move chooser, the file dialog and the message box.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "desktop/go_position.h"
#include "file_answer.h"
#include "modal_watch.h"
#include "window_fixture.h"

namespace hazama {
namespace {

// What the chooser showed when it opened.
struct Shown {
    QString title;
    QSize size;
    QString label;
    QStringList captions;
    bool all_enabled = true;
    bool first_focused = false;
    bool centred = false;
};

class DialogTest : public WindowTest {
  protected:
    // Runs `open` (which opens the chooser); `answer` acts on the chooser once it shows.
    Shown with_chooser(const std::function<void()>& open,
                       const std::function<void(QDialog&)>& answer) {
        Shown seen;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (chooser == nullptr || !chooser->isVisible()) return;
            driver.stop();
            seen.title = chooser->windowTitle();
            seen.size = chooser->size();
            seen.label = chooser->findChild<QLabel*>(QStringLiteral("Label1"))->text();
            for (int i = 0; i < 4; ++i) {
                auto* b = chooser->findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(i));
                seen.captions << b->text();
                seen.all_enabled = seen.all_enabled && b->isEnabled() && b->isVisible();
                if (i == 0) seen.first_focused = chooser->focusWidget() == b;
            }
            seen.centred = (chooser->frameGeometry().center() - window->frameGeometry().center())
                               .manhattanLength() <= 2;
            answer(*chooser);
            // A chooser that ignored its answer is closed, so the test fails, not hangs.
            QTimer::singleShot(2000, chooser, [chooser] { chooser->close(); });
        });
        driver.start(5);
        open();
        return seen;
    }
    Shown move(const std::function<void(QDialog&)>& answer) {
        return with_chooser([&] { click("commove"); }, answer);
    }
    int choose(const std::function<void(QDialog&)>& answer) {
        int result = -2;
        with_chooser([&] { result = platform->choose({"一", "二", "三"}); }, answer);
        return result;
    }

    static void press_key(QDialog& chooser, Qt::Key key) {
        QTest::keyClick(chooser.focusWidget(), key);
    }
    static void press_button(QDialog& chooser, int index) {
        chooser.findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(index))->click();
    }
};

TEST_F(DialogTest, ChooserAnswers) {
    enter_play();
    int result = -2;
    const Shown seen = with_chooser(
        [&] {
            result = platform->choose({"一", "二", ""});
        },
        [](QDialog& d) { press_key(d, Qt::Key_Return); });
    EXPECT_EQ(seen.captions, QStringList({"一", "二", "", "移動をやめる"}));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(choose([](QDialog& d) { press_key(d, Qt::Key_Space); }), 0);
    EXPECT_EQ(choose([](QDialog& d) { press_button(d, 2); }), 2);
    EXPECT_EQ(choose([](QDialog& d) { press_button(d, 3); }), 3);
    EXPECT_EQ(choose([](QDialog& d) { d.close(); }), -1);
    // Escape is the cancel button, wherever the focus is.
    EXPECT_EQ(choose([](QDialog& d) {
                  d.findChild<QPushButton*>(QStringLiteral("Command1_2"))->setFocus();
                  press_key(d, Qt::Key_Escape);
                  if (d.isVisible()) press_button(d, 1);
              }),
              3);
}

TEST_F(DialogTest, MoveCommandShowsTheChooserAndReturnsToIdle) {
    enter_play();
    const QString cancel = QStringLiteral("移動をやめる");
    const char* group[] = {"commove", "comtalk", "comlook", "comsave", "comload"};
    auto idle = [&] {
        bool all = form->f00 == 0 && form->position == 1;
        for (const char* name : group) all = all && enabled(name);
        return all;
    };

    // No destinations yet: three blank buttons, and any press leaves the player here.
    form->position = 1;
    form->game = 0;
    Shown seen = move([&](QDialog& d) { press_key(d, Qt::Key_Return); });
    EXPECT_EQ(seen.title, QStringLiteral("移動"));
    EXPECT_EQ(seen.size, QSize(308, 201));
    EXPECT_EQ(seen.label, QStringLiteral("何処へ移動しますか？"));
    EXPECT_EQ(seen.captions, QStringList({"", "", "", cancel}));
    EXPECT_TRUE(seen.all_enabled);
    EXPECT_TRUE(seen.first_focused);
    EXPECT_TRUE(seen.centred);
    EXPECT_TRUE(idle());

    form->game = 1;
    seen = move([&](QDialog& d) { d.close(); });
    EXPECT_EQ(seen.captions, QStringList({"↑家の中", "←学校方面", "", cancel}));
    EXPECT_TRUE(idle());
    move([&](QDialog& d) { press_button(d, 3); });
    EXPECT_TRUE(idle());
    move([&](QDialog& d) { press_button(d, 2); });
    EXPECT_TRUE(idle());

    // The captions never carry over from an earlier move.
    form->game = 0;
    seen = move([&](QDialog& d) { d.close(); });
    EXPECT_EQ(seen.captions, QStringList({"", "", "", cancel}));
    EXPECT_TRUE(idle());
}

TEST_F(DialogTest, FileDialogAndMessageBox) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    FileRequest request;
    request.save = true;
    request.title = "ゲームデータの保存";
    request.initial_dir = folder.path().toStdString() + "\\";
    request.filter = "ハザマセーブデータ(*.hzm)|*.hzm|";
    request.default_extension = "hzm";

    {
        FileAnswer answer(QStringLiteral("slot1"));
        const auto chosen = platform->ask_file(request);
        EXPECT_EQ(answer.title, QStringLiteral("ゲームデータの保存"));
        EXPECT_EQ(answer.directory, QDir(folder.path()).absolutePath());
        EXPECT_EQ(answer.filters, QStringList{QStringLiteral("ハザマセーブデータ(*.hzm)")});
        EXPECT_EQ(answer.suffix, QStringLiteral("hzm"));
        EXPECT_TRUE(answer.save);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(QString::fromStdString(*chosen), folder.filePath(QStringLiteral("slot1.hzm")));
        EXPECT_EQ(answer.overwrite_questions, 0);
    }
    {
        // Saving over an existing file asks first.
        QFile existing(folder.filePath(QStringLiteral("slot2.hzm")));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.close();
        FileAnswer answer(QStringLiteral("slot2.hzm"));
        const auto chosen = platform->ask_file(request);
        EXPECT_EQ(answer.overwrite_questions, 1);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(QString::fromStdString(*chosen), existing.fileName());
    }
    {
        request.save = false;
        request.title = "ゲームデータの読み出し";
        FileAnswer answer{QString()};
        EXPECT_FALSE(platform->ask_file(request).has_value());
        EXPECT_FALSE(answer.save);
        EXPECT_EQ(answer.title, QStringLiteral("ゲームデータの読み出し"));
    }

    QString text, title, detail;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            title = box->windowTitle();
            detail = box->informativeText();
            box->button(QMessageBox::Ok)->click();
        }
    });
    driver.start(5);
    platform->message_box("書き込みエラー", "No space left on device\n/home/reader/slot.hzm");
    EXPECT_EQ(text, QStringLiteral("書き込みエラー"));
    EXPECT_EQ(title, QStringLiteral("ハザマ"));
    EXPECT_EQ(detail, QStringLiteral("No space left on device\n/home/reader/slot.hzm"));
}

TEST_F(DialogTest, AMessageBoxLeftUnansweredIsNamedAndClosed) {
    QStringList unanswered;
    const ModalWatch watch(std::chrono::milliseconds(200),
                           [&](const QString& dialog) { unanswered << dialog; });
    // Nothing answers it: the watch closes it, and the call returns.
    platform->message_box("書き込みエラー", "");
    ASSERT_EQ(unanswered.size(), 1);
    EXPECT_TRUE(unanswered[0].contains(QStringLiteral("QMessageBox")))
        << unanswered[0].toStdString();
    EXPECT_TRUE(unanswered[0].endsWith(QStringLiteral(": 書き込みエラー")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A row with no destination is plainly none: nothing drawn where it stands, no pointer
// and no Tab reach it; the rows with a place are drawn and reached as before.
TEST_F(DialogTest, AChooserRowWithNoDestinationIsDrawnAsNone) {
    GoPosition chooser(window, {"↑家の中", "←学校方面", ""});
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    auto row = [&](int i) {
        return chooser.findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(i));
    };
    const QImage drawn = chooser.grab().toImage();
    auto plain = [&](const QRect& place) {
        const QRgb first = drawn.pixel(place.topLeft());
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                if (drawn.pixel(x, y) != first) return false;
        return true;
    };
    EXPECT_TRUE(plain(row(2)->geometry())) << "the empty row is drawn like a button";
    EXPECT_FALSE(plain(row(1)->geometry()));
    EXPECT_EQ(drawn.pixel(row(2)->geometry().center()), drawn.pixel(QPoint(2, 2)));

    EXPECT_NE(chooser.childAt(row(2)->geometry().center()), row(2));
    EXPECT_EQ(chooser.childAt(row(1)->geometry().center()), row(1));
    EXPECT_TRUE(row(0)->hasFocus());
    QTest::keyClick(row(0), Qt::Key_Tab);
    EXPECT_TRUE(row(1)->hasFocus());
    QTest::keyClick(row(1), Qt::Key_Tab);
    EXPECT_TRUE(row(3)->hasFocus()) << "Tab stopped on the empty row";
    chooser.close();
}

}  // namespace
}  // namespace hazama
