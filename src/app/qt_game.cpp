// The game in its window (qt_game.h).
#include "app/qt_game.h"

#include <QApplication>

#include "app/close_request.h"
#include "app/frame_log.h"
#include "app/input_router.h"
#include "app/ui_text.h"

namespace hazama {

QtGame::QtGame(const std::filesystem::path& root, Options options)
    : window_(root), platform_(window_, *options.media) {
    Platform* platform = &platform_;
    if (options.log_frames) {
        frame_log_ = std::make_unique<FrameLog>(
            platform_, [this] { return static_cast<double>(platform_.elapsed_ns()) * 1e-6; });
        platform = frame_log_.get();
    }
    form_ = std::make_unique<MainForm>(*platform, root);
    set_ui_translator(&form_->translator());
    choices_ = std::make_unique<PlayerChoices>(window_, *form_);
    platform_.set_unload([this] { form_->Form_Unload(); });
    window_.set_hooks({.command =
                           [this](FormHandler handler) {
                               MainForm* const form = form_.get();
                               platform_.run_script([form, handler] { (form->*handler)(); });
                           },
                       .history_closed = [this] { form_->close_history(); },
                       .close =
                           [this] {
                               // Skip may have stopped by itself since the last choice.
                               choices_->remember();
                               platform_.close_game();
                           },
                       .fullscreen_changed = [this] { choices_->remember(); }});
    input_ = std::make_unique<InputRouter>(window_, platform_, *form_, *choices_);
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
