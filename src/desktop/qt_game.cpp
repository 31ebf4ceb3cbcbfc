// The game in its window (qt_game.h).
#include "desktop/qt_game.h"

#include <QApplication>
#include <QMessageBox>

#include "desktop/close_request.h"
#include "desktop/frame_log.h"
#include "desktop/input_router.h"
#include "desktop/positions.h"
#include "desktop/ui_text.h"
#include "replay/replay_gate.h"
#include "replay/replayer.h"

namespace hazama {

QtGame::QtGame(const std::filesystem::path& root, Options options)
    : window_(root), platform_(window_, *options.media) {
    Platform* platform = &platform_;
    if (options.log_frames) {
        frame_log_ = std::make_unique<FrameLog>(
            platform_, [this] { return static_cast<double>(platform_.elapsed_ns()) * 1e-6; });
        platform = frame_log_.get();
    }
    // Between the platform and the form: restoring a position replays unseen through it.
    gate_ = std::make_unique<ReplayGate>(*platform);
    form_ = std::make_unique<MainForm>(*gate_, root);
    set_ui_translator(&form_->translator());
    replayer_ = std::make_unique<Replayer>(*form_, *gate_);
    positions_ =
        std::make_unique<PositionKeeper>(window_, platform_, *form_, *replayer_, options.data);
    replayer_->on_arrival = [this] { positions_->autosave(); };
    replayer_->on_changed_story = [this](const Position&, const Position&) {
        QMessageBox box(QMessageBox::Information, ui("ハザマ"),
                        ui("この場面は今の物語では再現できません。"
                           "その前の場所から始めます。"),
                        QMessageBox::Ok, &window_);
        platform_.exec_modal(box);
    };
    choices_ = std::make_unique<PlayerChoices>(window_, *form_);
    platform_.set_unload([this] {
        // Closing never loses the position: it is kept in the automatic slot first.
        positions_->autosave();
        form_->Form_Unload();
    });
    window_.set_hooks({.command =
                           [this](FormHandler handler) {
                               MainForm* const form = form_.get();
                               Replayer* const replayer = replayer_.get();
                               platform_.run_script([form, replayer, handler] {
                                   replayer->run([form, handler] { (form->*handler)(); });
                               });
                           },
                       .history_closed = [this] { form_->close_history(); },
                       .close =
                           [this] {
                               // Skip may have stopped by itself since the last choice.
                               choices_->remember();
                               platform_.close_game();
                           },
                       .fullscreen_changed = [this] { choices_->remember(); }});
    input_ = std::make_unique<InputRouter>(window_, platform_, *form_, *choices_, *positions_);
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
