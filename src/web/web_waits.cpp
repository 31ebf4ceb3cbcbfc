// The web platform's clock, waits, timers and scripts: every wait suspends the module on a
// promise of the page's queue (a timer, a posted action or closing) and, once resumed, fires
// the timers that are due and hands on the actions the page posted meanwhile.
#include <emscripten.h>

#include <cmath>
#include <cstdio>
#include <utility>

#include "form/main_form.h"
#include "text/catalogue.h"
#include "web/page_bridge.h"
#include "web/web_platform.h"

namespace hazama {

WebPlatform::WebPlatform(MediaDevice& media, std::string root)
    : media_(media),
      root_(std::move(root)),
      virtual_(page::virtual_clock()),
      tracing_(page::collects_trace()),
      started_ms_(emscripten_get_now()) {}

std::uint32_t WebPlatform::now_ms() {
    if (virtual_) return clock_;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(precise_now()));
}

double WebPlatform::precise_now() const {
    return emscripten_get_now() - started_ms_;
}

void WebPlatform::go_real_time() {
    if (!virtual_) return;
    started_ms_ = emscripten_get_now() - clock_;
    virtual_ = false;
}

// ---------------------------------------------------------------- waits

void WebPlatform::run_wait(Wait& wait) {
    last_deadline_.reset();
    waits_.push_back(&wait);
    for (;;) {
        serve(wait);
        if (closing_ || wait.ended) break;
        const std::uint32_t now = now_ms();
        if (wait.deadline && !clock_before(now, *wait.deadline)) {
            last_deadline_ = wait.deadline;
            woke_ms_ = precise_now();
            break;
        }
        page::set_phase(wait.phase);
        const auto timer = virtual_ ? std::nullopt : timers_.next_due();
        if (timer && (!wait.deadline || clock_before(*timer, *wait.deadline))) {
            // A timer's tick may come a little late: no turns are spent waiting for it.
            const auto left = static_cast<std::int32_t>(*timer - now);
            page::sleep(left > 0 ? left : 0);
        } else if (wait.deadline) {
            page::sleep(sleep_towards(*wait.deadline));
        } else {
            page::sleep(-1);
        }
    }
    waits_.pop_back();
    if (!closing_) page::set_phase("busy");
}

int WebPlatform::sleep_towards(std::uint32_t deadline) const {
    // A frame of a dissolve is due at its deadline; the browser's timer alone would put it
    // on the canvas up to a millisecond or two after.
    constexpr double kTimerSlackMs = 1.5;
    const double now = precise_now();
    const double left = static_cast<std::int32_t>(deadline - static_cast<std::uint32_t>(now)) -
                        (now - std::floor(now));
    return left > kTimerSlackMs ? static_cast<int>(left - kTimerSlackMs) : 0;
}

void WebPlatform::serve(Wait& wait) {
    if (!virtual_) timers_.fire_due(now_ms());
    while (!closing_ && !wait.ended) {
        const auto text = page::next_action();
        if (!text) break;
        handle(parse_action(*text));
    }
}

void WebPlatform::handle(const WebAction& action) {
    if (const std::string_view dialog = dialog_answered(action); !dialog.empty()) {
        // An answer for a dialog that is not the one open answers nothing: one that comes after
        // its dialog was closed, or the slot screen's cards to be read again (another tab wrote
        // a slot) while its warning is open over it.
        if (dialog_ != nullptr && dialog == dialog_->phase) {
            answer_ = action;
            dialog_->ended = true;
        }
        return;
    }
    // While a dialog is open, the game's window takes no input, as on the desktop.
    if (dialog_ != nullptr) return;
    if (action.kind == "clock" && action.argument == "real") {
        go_real_time();
        return;
    }
    if (action.kind == "close") {
        if (!closing_) run_script(unload_ ? unload_ : [this] { exit_game(); });
        return;
    }
    if (dispatch_) run_script([&] { dispatch_(action); });
}

void WebPlatform::wait_until(std::uint32_t deadline) {
    if (closing_) return;
    if (virtual_) {
        // The clock goes straight to the deadline; the browser still gets its turn.
        timers_.advance(clock_, deadline, closing_);
        process_events();
        return;
    }
    Wait wait{.deadline = deadline};
    run_wait(wait);
}

void WebPlatform::wait_for_release() {
    if (closing_) return;
    if (on_line_) on_line_();
    Wait wait{.releasable = true, .phase = "line"};
    run_wait(wait);
}

void WebPlatform::wait_for_release_until(std::uint32_t deadline) {
    if (closing_) return;
    if (on_line_) on_line_();
    if (virtual_) {
        // A reader quick enough to act before the browser's next turn; else the deadline.
        Wait wait{.releasable = true, .phase = "line"};
        waits_.push_back(&wait);
        page::sleep(0);
        serve(wait);
        waits_.pop_back();
        if (!wait.ended) timers_.advance(clock_, deadline, closing_);
        return;
    }
    Wait wait{.deadline = deadline, .releasable = true, .phase = "line"};
    run_wait(wait);
}

void WebPlatform::release() {
    for (auto w = waits_.rbegin(); w != waits_.rend(); ++w) {
        if ((*w)->releasable) {
            (*w)->ended = true;
            return;
        }
    }
}

void WebPlatform::wake() {
    if (!waits_.empty()) waits_.back()->ended = true;
}

void WebPlatform::process_events() {
    page::sleep(0);
    // Whatever the actions end belongs to the waits around this one.
    Wait none;
    serve(none);
}

void WebPlatform::run_idle() {
    while (!closing_) {
        Wait wait{.phase = "idle"};
        run_wait(wait);
    }
}

std::optional<WebAction> WebPlatform::run_dialog(const char* phase) {
    Wait* const below = std::exchange(dialog_, nullptr);
    Wait wait{.phase = phase};
    dialog_ = &wait;
    answer_.reset();
    run_wait(wait);
    dialog_ = below;
    if (closing_) return std::nullopt;
    return std::exchange(answer_, std::nullopt);
}

// ---------------------------------------------------------------- timers

void WebPlatform::set_timer(TimerId id, int interval_ms, std::function<void()> tick) {
    timers_.set(
        id, interval_ms, [this, tick = std::move(tick)] { run_script(tick); }, now_ms());
}

void WebPlatform::set_timer_interval(TimerId id, int interval_ms) {
    timers_.set_interval(id, closing_ ? 0 : interval_ms, now_ms());
}

// ---------------------------------------------------------------- scripts and closing

void WebPlatform::run_script(const std::function<void()>& script) {
    try {
        script();
    } catch (const GameClosed&) {
    } catch (const std::exception& e) {
        fail(e.what());
    } catch (...) {
        fail_unexpectedly();
    }
}

void WebPlatform::fail_unexpectedly() {
    const char* const text = to_translate("予期しないエラーが発生しました");
    fail(translate_ ? translate_(text) : std::string(text));
}

void WebPlatform::fail(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    if (closing_) return;
    message_box(text, {});
    // The page goes on showing what ended the game.
    failure_ = text;
    try {
        if (unload_ && !closing_) unload_();
    } catch (...) {
    }
    exit_game();
}

void WebPlatform::exit_game() {
    if (closing_) return;
    closing_ = true;
    timers_.stop_all();
    for (Wait* w : waits_) w->ended = true;
    page::close_dialogs();
    page::ended(failure_);
}

}  // namespace hazama
