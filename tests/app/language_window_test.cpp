// The language in the window: which one it starts in (--lang over the remembered choice over
// the desktop's), switching from the menu while a line waits, the history in either or both,
// and the chooser in English.
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include "desktop/history_panel.h"
#include "desktop/settings.h"
#include "window_fixture.h"

namespace hazama {
namespace {

struct LanguageWindowTest : WindowTest {
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        WindowTest::SetUp();
    }
    QString path() const { return config.filePath("settings.ini"); }
    QString labmain() { return control<QLabel>("labmain")->text(); }
    QString save_caption() { return control<QPushButton>("comsave")->text(); }
    // The menu's entry of a language, by its own name.
    QAction* language_entry(const QString& name) {
        auto* menu = window->findChild<QMenu*>(QStringLiteral("reading_menu"));
        for (QAction* a : menu->actions()) {
            if (a->menu() == nullptr || !a->text().contains(QStringLiteral("Language"))) continue;
            for (QAction* entry : a->menu()->actions())
                if (entry->text() == name) return entry;
        }
        ADD_FAILURE() << "no menu entry " << name.toStdString();
        return nullptr;
    }
    QTemporaryDir config;
};

TEST_F(LanguageWindowTest, ARememberedChoiceBeatsTheDesktopAndTheCommandLineBeatsBoth) {
    Settings remembered;
    remembered.language = Language::ja;
    ASSERT_TRUE(remembered.save(path()));
    game->choices().use_settings(path(), std::nullopt, Language::en);
    EXPECT_EQ(form->language(), Language::ja);
    EXPECT_EQ(save_caption(), QStringLiteral("セーブ(&S)"));

    game->choices().use_settings(path(), Language::en, Language::ja);
    EXPECT_EQ(form->language(), Language::en);
    EXPECT_EQ(save_caption(), QStringLiteral("&Save"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Hazama"));
    // --lang is for this run: the file still holds the player's own choice.
    game->choices().remember();
    EXPECT_EQ(Settings::load(path()).language, Language::ja);
}

TEST_F(LanguageWindowTest, NoChoiceFollowsTheDesktopAndTheMenuSwitchesAWaitingLineAtOnce) {
    game->choices().use_settings(path(), std::nullopt, Language::ja);
    EXPECT_EQ(form->language(), Language::ja);
    enter_play();
    bool still_waiting = false;
    QStringList seen;
    run_while([&] { form->message("↑家の中"); },
              [&] {
                  seen << labmain();
                  language_entry(QStringLiteral("English"))->trigger();
                  seen << labmain() << save_caption();
                  language_entry(QStringLiteral("日本語"))->trigger();
                  seen << labmain();
                  language_entry(QStringLiteral("English"))->trigger();
                  still_waiting = form->mes == 1;
                  form->Form_Click();
              });
    EXPECT_TRUE(still_waiting) << "switching is no release";
    // The command buttons' pictures say their words in English.
    QWidget* move = control("commove");
    const QImage english_face = move->grab().toImage();
    language_entry(QStringLiteral("日本語"))->trigger();
    EXPECT_NE(move->grab().toImage(), english_face);
    EXPECT_EQ(move->accessibleName(), QStringLiteral("移動"));
    language_entry(QStringLiteral("English"))->trigger();
    EXPECT_EQ(move->grab().toImage(), english_face);
    EXPECT_EQ(move->accessibleName(), QStringLiteral("Move"));
    EXPECT_EQ(seen, QStringList({QStringLiteral("↑家の中"), QStringLiteral("↑ Into the house"),
                                 QStringLiteral("&Save"), QStringLiteral("↑家の中")}));
    // The choice is kept.
    EXPECT_EQ(Settings::load(path()).language, Language::en);
}

TEST_F(LanguageWindowTest, TheHistoryFollowsTheLanguageAndCanListBoth) {
    game->choices().use_settings(path(), std::nullopt, Language::ja);
    enter_play();
    QStringList japanese, english, both;
    run_while([&] { form->message("↑家の中"); },
              [&] {
                  QTest::keyClick(window, Qt::Key_PageUp);
                  japanese = window->history().texts();
                  // Switched while the history is open: listed again in English.
                  game->choices().set_language(Language::en);
                  english = window->history().texts();
                  game->choices().set_language(Language::ja);
                  Settings chosen = game->choices().now();
                  chosen.history_both = true;
                  game->choices().choose(chosen);
                  both = window->history().texts();
                  window->close_history();
                  form->Form_Click();
              });
    EXPECT_EQ(japanese, QStringList{QStringLiteral("↑家の中")});
    EXPECT_EQ(english, QStringList{QStringLiteral("↑ Into the house")});
    EXPECT_EQ(both, QStringList({QStringLiteral("↑家の中"), QStringLiteral("↑ Into the house")}));
    EXPECT_TRUE(Settings::load(path()).history_both);
}

TEST_F(LanguageWindowTest, TheChooserSpeaksEnglish) {
    game->choices().use_settings(path(), Language::en, Language::ja);
    enter_play();
    form->position = 1;
    form->game = 1;
    QStringList captions;
    QString title;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (chooser == nullptr || !chooser->isVisible()) return;
        driver.stop();
        title = chooser->windowTitle();
        for (int i = 0; i < 4; ++i)
            captions
                << chooser->findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(i))->text();
        chooser->findChild<QPushButton*>(QStringLiteral("Command1_3"))->click();
        QTimer::singleShot(2000, chooser, [chooser] { chooser->close(); });
    });
    driver.start(5);
    click("commove");
    EXPECT_EQ(title, QStringLiteral("Move"));
    EXPECT_EQ(captions,
              QStringList({QStringLiteral("↑ Into the house"), QStringLiteral("← Towards school"),
                           QString(), QStringLiteral("Stay here")}));
}

}  // namespace
}  // namespace hazama
