// A real game window for the tests, with a recording media device and helpers to run a
// waiting script while the test acts on the window.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "audio/recording_media_device.h"
#include "desktop/qt_game.h"

namespace hazama {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The built window art when there is some; the stand-ins otherwise.
        const char* assets = std::getenv("HAZAMA_ASSETS");
        game = std::make_unique<QtGame>(assets ? assets : "/nonexistent",
                                        QtGame::Options{.media = &media});
        window = &game->window();
        platform = &game->platform();
        form = &game->form();
        form->Form_Load();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    template <typename T = QWidget>
    T* control(const char* name) {
        auto* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // The play screen without a scene: new game at a location whose routine does
    // nothing, then the end of a command.
    void enter_play() {
        form->position = 16;
        click("comstart");
        form->com();
    }
    bool shown(const char* name) { return !control(name)->isHidden(); }
    bool enabled(const char* name) { return control(name)->isEnabled(); }
    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    // Runs `script` in the window; `act` runs once from the event loop the script waits
    // in. A line still waiting 3 s later is released by a watchdog, so a broken release
    // fails the test instead of hanging it. Returns false when the watchdog had to step in.
    bool run_while(const std::function<void()>& script, const std::function<void()>& act) {
        bool rescued = false;
        QTimer actor;
        actor.setSingleShot(true);
        QObject::connect(&actor, &QTimer::timeout, act);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&] {
            rescued = true;
            form->Form_Click();
        });
        actor.start(0);
        watchdog.start(3000);
        platform->run_script(script);
        return !rescued;
    }

    // Runs `script` in the window and `steps` one after another from the event loop it
    // waits in, the first at once and each `gap` ms after the one before has returned (so
    // that a release has taken effect by the next). A line still waiting 20 s later is
    // released, so a broken step fails the test instead of hanging it.
    void run_steps(const std::function<void()>& script, int gap,
                   const std::vector<std::function<void()>>& steps) {
        std::size_t next = 0;
        QTimer stepper;  // goes with this call, and with it every step still to come
        stepper.setSingleShot(true);
        QObject::connect(&stepper, &QTimer::timeout, [&] {
            if (next >= steps.size()) return;
            steps[next++]();
            stepper.start(gap);
        });
        stepper.start(0);
        QTimer watchdog;
        QObject::connect(&watchdog, &QTimer::timeout, [&] { form->Form_Click(); });
        watchdog.start(20000);
        platform->run_script(script);
        EXPECT_EQ(next, steps.size()) << "the script ended before every step had run";
    }

    // Shows one line and lets `act` try to release it; true when `act` released it.
    // Input sent with QTest arrives at once, so the answer is known right after `act`.
    bool line_released_by(const std::function<void()>& act) {
        bool waiting = false;
        bool released = false;
        run_while([&] { form->message("テスト"); },
                  [&] {
                      waiting = form->mes == 1;
                      act();
                      released = form->mes == 0;
                      if (!released) form->Form_Click();
                  });
        return waiting && released;
    }

    RecordingMediaDevice media;
    std::unique_ptr<QtGame> game;
    MainWindow* window = nullptr;
    QtPlatform* platform = nullptr;
    MainForm* form = nullptr;
};

}  // namespace hazama
