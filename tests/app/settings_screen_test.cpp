// The settings screen (設定) and the choices it adds to the settings file: each choice does
// what it says at once and is there in the next run; the window's size; a damaged file.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "desktop/settings.h"
#include "window_fixture.h"

namespace hazama {
namespace {

struct SettingsScreenTest : WindowTest {
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        WindowTest::SetUp();
        game->choices().use_settings(settings_path());
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    // Opens the settings from the right-click menu; `act` works the dialog once it shows.
    void with_settings(const std::function<void(QDialog&)>& act) {
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return;
            driver.stop();
            // (Active as the window system tells it: a dialog's window counts as active
            // while its parent has the focus, and its keys would go astray.)
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }));
            act(*dialog);
            // A dialog that ignored Escape is closed, so the test fails rather than hangs.
            QTimer::singleShot(3000, dialog, [dialog] { dialog->close(); });
        });
        driver.start(5);
        // The menu's entry (the menu itself is not opened: closing it gives the focus back
        // to the window, after the dialog has taken it).
        auto* menu = window->findChild<QMenu*>(QStringLiteral("reading_menu"));
        for (QAction* a : menu->actions())
            if (a->text().startsWith(QStringLiteral("設定"))) a->trigger();
    }
    static void press(QDialog& dialog, Qt::Key key, Qt::KeyboardModifiers with = {}) {
        QTest::keyClick(dialog.focusWidget(), key, with);
    }

    QTemporaryDir config;
};

TEST_F(SettingsScreenTest, EveryChoiceIsMadeByKeyboardTakesEffectAndComesBackNextRun) {
    enter_play();
    QStringList shown_at_first;
    QString help;
    bool closed_by_escape = false;
    with_settings([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("設定"));
        for (const char* name : {"text_speed", "auto_speed", "skip_mode", "volume", "window_size"})
            shown_at_first << d.findChild<QComboBox*>(QString::fromLatin1(name))->currentText();
        help = d.findChild<QLabel*>(QStringLiteral("settings_help"))->text();

        // The focus starts on the text display; the mnemonics reach the others.
        press(d, Qt::Key_Down);  // one character at a time, slowly
        EXPECT_EQ(form->reading().text_speed(), TextSpeed::slow);
        press(d, Qt::Key_A, Qt::AltModifier);
        press(d, Qt::Key_Down);
        EXPECT_EQ(form->reading().auto_speed(), AutoSpeed::fast);
        press(d, Qt::Key_K, Qt::AltModifier);
        press(d, Qt::Key_Down);
        EXPECT_EQ(form->reading().skip_mode(), SkipMode::all);
        press(d, Qt::Key_M, Qt::AltModifier);
        press(d, Qt::Key_Down);
        EXPECT_EQ(media.volume(), 75);
        press(d, Qt::Key_W, Qt::AltModifier);
        press(d, Qt::Key_Down);
        EXPECT_EQ(window->size(), QSize(951, 695));
        press(d, Qt::Key_C, Qt::AltModifier);  // the box is ticked as its click shows
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->reading().copy_lines(); }, 2000));
        press(d, Qt::Key_Escape);
        closed_by_escape = !d.isVisible();
    });
    EXPECT_TRUE(closed_by_escape);
    EXPECT_EQ(shown_at_first, QStringList({QStringLiteral("一度に表示"), QStringLiteral("普通"),
                                           QStringLiteral("既読の文章だけ"),
                                           QStringLiteral("100 %"), QStringLiteral("1 倍")}));
    EXPECT_TRUE(help.contains(QStringLiteral("移動先を選ぶときに止まります")));

    const Settings chosen{.volume = 75,
                          .auto_speed = AutoSpeed::fast,
                          .skip_mode = SkipMode::all,
                          .text_speed = TextSpeed::slow,
                          .window_size = 150,
                          .copy_lines = true};
    EXPECT_EQ(Settings::load(settings_path()), chosen);
    RecordingMediaDevice next_media;
    QtGame next("/nonexistent", QtGame::Options{.media = &next_media});
    next.choices().use_settings(settings_path());
    EXPECT_EQ(next.choices().now(), chosen);
    EXPECT_EQ(next.window().size(), QSize(951, 695));
    EXPECT_EQ(next_media.volume(), 75);

    // The fullscreen box, and the window's size again when it is left.
    with_settings([&](QDialog& d) {
        auto* box = d.findChild<QCheckBox*>(QStringLiteral("fullscreen"));
        EXPECT_FALSE(box->isChecked());
        box->setChecked(true);
        EXPECT_TRUE(window->fullscreen());
        QTest::qWait(50);  // the window system's answer
        box->setChecked(false);
        d.close();
    });
    QTest::qWait(50);
    EXPECT_FALSE(window->fullscreen());
    EXPECT_EQ(window->size(), QSize(951, 695));
}

TEST_F(SettingsScreenTest, AtALargerSizeTheWholeWindowIsScaledAndClicksLandWhereSeen) {
    enter_play();
    std::map<QString, QRect> design;
    for (const char* name : {"picmain0", "labmain", "comlook", "comsave", "picface"})
        design[QString::fromLatin1(name)] = control(name)->geometry();
    window->set_window_size(200);
    EXPECT_EQ(window->size(), QSize(1268, 926));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    for (const auto& [name, rect] : design)
        EXPECT_EQ(control(name.toLatin1().constData())->geometry(), window->fit().map(rect))
            << name.toStdString();
    EXPECT_EQ(control("labmain")->font().pixelSize(), 38);
    EXPECT_TRUE(line_released_by([&] {
        QTest::mouseClick(window, Qt::LeftButton, {}, window->fit().map(QPoint(300, 430)));
    }));
    window->set_window_size(100);
    EXPECT_EQ(window->size(), QSize(634, 463));
    for (const auto& [name, rect] : design)
        EXPECT_EQ(control(name.toLatin1().constData())->geometry(), rect) << name.toStdString();
}

TEST_F(SettingsScreenTest, OpenedLargerItFollowsTheWindowBackToItsOwnSizeAndStaysCentred) {
    enter_play();
    QSize design;
    double design_points = 0;
    with_settings([&](QDialog& d) {
        design = d.size();
        design_points = QFontInfo(d.font()).pointSizeF();
        d.reject();
    });
    window->set_window_size(200);
    QSize large, back;
    double back_points = 0;
    QPoint off_centre;
    with_settings([&](QDialog& d) {
        large = d.size();
        d.findChild<QComboBox*>(QStringLiteral("window_size"))->setCurrentIndex(0);  // 1×
        EXPECT_EQ(window->size(), QSize(634, 463));
        EXPECT_TRUE(QTest::qWaitFor([&] { return d.size() == design; }, 2000));
        back = d.size();
        back_points = QFontInfo(d.font()).pointSizeF();
        off_centre = d.frameGeometry().center() - window->frameGeometry().center();
        d.reject();
    });
    EXPECT_GT(large.width(), design.width() * 3 / 2);
    EXPECT_EQ(back, design);
    EXPECT_DOUBLE_EQ(back_points, design_points);
    EXPECT_LE(off_centre.manhattanLength(), 2);
}

TEST_F(SettingsScreenTest, DuringAGameItLeavesForTheTitleOnlyAfterAsking) {
    const auto title_button = [](QDialog& d) {
        return d.findChild<QPushButton*>(QStringLiteral("back_to_title"));
    };
    bool offered_at_title = true;
    with_settings([&](QDialog& d) {
        offered_at_title = title_button(d) != nullptr;
        d.reject();
    });
    EXPECT_FALSE(offered_at_title);

    enter_play();
    QStringList asked;
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) return;
            answerer.stop();
            asked << box->text();
            box->button(answer)->click();
        });
        answerer.start(5);
        with_settings([&](QDialog& d) {
            ASSERT_NE(title_button(d), nullptr);
            EXPECT_EQ(title_button(d)->text(), QStringLiteral("タイトルへ戻る(&B)…"));
            title_button(d)->click();
        });
        if (answer == QMessageBox::No) {
            EXPECT_FALSE(shown("comstart"));
        }
    }
    EXPECT_EQ(asked, QStringList(2, QStringLiteral("タイトルへ戻りますか？")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown("comstart"); }, 3000));
    EXPECT_FALSE(shown("comlook"));
}

TEST(SettingsFile, TheNewChoicesSurviveAndFallBackOneByOneWhenDamaged) {
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    for (const TextSpeed speed :
         {TextSpeed::instant, TextSpeed::slow, TextSpeed::normal, TextSpeed::fast}) {
        for (const int size : kWindowSizes) {
            const Settings s{.skip_mode = SkipMode::all,
                             .text_speed = speed,
                             .window_size = size,
                             .copy_lines = true};
            ASSERT_TRUE(s.save(path));
            EXPECT_EQ(Settings::load(path), s);
        }
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[General]\ntext_speed=warp\nskip_mode=some\nwindow_size=175\ncopy_lines=yes\n"
        "volume=25\n\x01\xff\xfe\n");
    file.close();
    EXPECT_EQ(Settings::load(path), Settings{.volume = 25});
}

}  // namespace
}  // namespace hazama
