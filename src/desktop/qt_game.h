// The game in its window: the window, the Qt platform, the form and the router of the
// player's input, made in that order and wired together.
#pragma once

#include <QString>
#include <filesystem>
#include <memory>

#include "desktop/main_window.h"
#include "desktop/player_choices.h"
#include "desktop/qt_platform.h"
#include "form/main_form.h"

namespace hazama {

class CloseRequestFilter;
class FrameLog;
class InputRouter;
class PositionKeeper;
class ReplayGate;
class Replayer;

class QtGame {
  public:
    struct Options {
        MediaDevice* media = nullptr;     // where the music plays; must be given
        bool log_frames = false;          // the frame log on standard error (frame_log.h)
        std::filesystem::path data = {};  // the player's folder for the slots; none keeps none
    };
    // `root` is the program's folder (gra/ and music/).
    QtGame(const std::filesystem::path& root, Options options);
    ~QtGame();
    QtGame(const QtGame&) = delete;
    QtGame& operator=(const QtGame&) = delete;

    MainWindow& window() { return window_; }
    QtPlatform& platform() { return platform_; }
    MainForm& form() { return *form_; }
    PlayerChoices& choices() { return *choices_; }
    PositionKeeper& positions() { return *positions_; }
    Replayer& replayer() { return *replayer_; }

  private:
    MainWindow window_;
    QtPlatform platform_;
    std::unique_ptr<FrameLog> frame_log_;
    std::unique_ptr<ReplayGate> gate_;
    std::unique_ptr<MainForm> form_;
    std::unique_ptr<Replayer> replayer_;
    std::unique_ptr<PositionKeeper> positions_;
    std::unique_ptr<PlayerChoices> choices_;
    std::unique_ptr<InputRouter> input_;
    std::unique_ptr<CloseRequestFilter> close_request_;
};

}  // namespace hazama
