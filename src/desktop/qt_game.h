// The game in its window: the window, the Qt platform, the session on them (the form, the
// replayer, the positions and the choices) and the router of the player's input, made in
// that order and wired together.
#pragma once

#include <filesystem>
#include <memory>

#include "desktop/desktop_face.h"
#include "desktop/main_window.h"
#include "desktop/qt_platform.h"
#include "shell/session.h"

namespace hazama {

class CloseRequestFilter;
class FrameLog;
class InputRouter;

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
    Session& session() { return *session_; }
    MainForm& form() { return session_->form(); }
    PlayerChoices& choices() { return session_->choices(); }
    PositionKeeper& positions() { return session_->positions(); }
    Replayer& replayer() { return session_->replayer(); }

  private:
    MainWindow window_;
    QtPlatform platform_;
    DesktopFace face_;
    std::unique_ptr<FrameLog> frame_log_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<InputRouter> input_;
    std::unique_ptr<CloseRequestFilter> close_request_;
};

}  // namespace hazama
