// The game in its window (qt_game.h).
#include "desktop/qt_game.h"

#include <QApplication>

#include "desktop/close_request.h"
#include "desktop/frame_log.h"
#include "desktop/input_router.h"
#include "desktop/ui_text.h"

namespace hazama {

QtGame::QtGame(const std::filesystem::path& root, Options options)
    : window_(root), platform_(window_, *options.media), face_(window_, platform_) {
    Platform* platform = &platform_;
    if (options.log_frames) {
        frame_log_ = std::make_unique<FrameLog>(
            platform_, [this] { return static_cast<double>(platform_.elapsed_ns()) * 1e-6; });
        platform = frame_log_.get();
    }
    session_ = std::make_unique<Session>(*platform, *options.media, face_,
                                         Session::Options{.root = root, .data = options.data});
    set_ui_translator(&session_->form().translator());
    platform_.set_unload([this] { session_->unload(); });
    window_.set_hooks({.command = [this](FormHandler handler) { session_->click(handler); },
                       .history_closed = [this] { session_->form().close_history(); },
                       .close =
                           [this] {
                               // Skip may have stopped by itself since the last choice.
                               session_->choices().remember();
                               platform_.close_game();
                           },
                       .fullscreen_changed = [this] { session_->choices().remember(); },
                       .has_save = [this] { return session_->positions().newest().has_value(); }});
    input_ = std::make_unique<InputRouter>(window_, platform_, *session_);
    close_request_ =
        std::make_unique<CloseRequestFilter>(&window_, [this] { platform_.close_game(); });
    qApp->installNativeEventFilter(close_request_.get());
}

QtGame::~QtGame() {
    qApp->removeNativeEventFilter(close_request_.get());
    // The window outlives the form: it must no longer call on it.
    window_.set_hooks({});
    set_ui_translator(nullptr);
}

}  // namespace hazama
