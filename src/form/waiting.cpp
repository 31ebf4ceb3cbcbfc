// The message line and the waits: message, messtop, pause_ms, the waits on the story clock,
// the timed animations, the release inputs and the blinking waiting indicator.
#include <algorithm>
#include <string>

#include "form/main_form.h"
#include "form/scoped_value.h"
#include "reading/plain_text.h"

namespace hazama {

void MainForm::message(std::string_view text) {
    ++messages_shown_;
    lines_shown_ = chain_line(lines_shown_, text);
    if (line_watch_) line_watch_(messages_shown_);
    if (reading_.text_hidden()) set_text_hidden(false);
    message_key_ = std::string(text);
    message_line_ = shown_text(text);
    const bool letter_by_letter =
        reading_.text_speed() != TextSpeed::instant && !reading_.skipping();
    if (letter_by_letter) {
        // The indicator of the line before goes until this one is whole.
        set_visible(Control::imamou0, false);
        set_visible(Control::imamou1, false);
        platform_.reveal_message(message_line_, 0);
    } else {
        platform_.set_message(message_line_);
    }
    note("message " + one_line(message_line_));
    const std::uint32_t now = platform_.now_ms();
    reading_.shown(text, now);
    note_record_failure();
    if (reading_.copy_lines() && !reading_.would_skip(now))
        platform_.copy_text(plain_text(message_line_));
    if (letter_by_letter) reveal();
    messtop();
}

// Skip releases the line at once; auto-advance waits its delay unless the reader is
// quicker. Either looks again whenever the reader's settings change during the wait, and
// a Ctrl just pressed once it has been held long enough to skip.
void MainForm::messtop() {
    mes = 1;
    const ScopedValue busy(busy_, Busy::line);
    while (mes == 1) {
        throw_if_closing();
        bool skip_stopped = false;
        const bool skip = reading_.skips_line(skip_stopped, platform_.now_ms());
        if (skip_stopped) {
            note("skip off");
            show_reading_marks();
        }
        if (skip) {
            mes = 0;
            note("release skip");
            break;
        }
        const std::uint32_t delay = reading_.auto_delay_now();
        const std::uint32_t ctrl_wait = reading_.ctrl_wait(platform_.now_ms());
        if (delay == 0 && ctrl_wait == 0) {
            platform_.wait_for_release();
            continue;
        }
        const std::uint32_t start = platform_.now_ms();
        const std::uint32_t until = delay == 0       ? ctrl_wait
                                    : ctrl_wait == 0 ? delay
                                                     : std::min(delay, ctrl_wait);
        platform_.wait_for_release_until(start + until);
        if (delay != 0 && mes == 1 && !platform_.closing() && platform_.now_ms() - start >= delay) {
            mes = 0;
            note("release auto " + std::to_string(delay));
        }
    }
    throw_if_closing();
}

void MainForm::pause_ms(int ms) {
    note("pause " + std::to_string(ms));
    const std::uint32_t start = clock_now();
    if (ms <= 0) return;
    const auto span = static_cast<std::uint32_t>(ms);
    while (clock_now() - start < span) wait_until(start + span);
}

void MainForm::wait_until(std::uint32_t deadline) {
    throw_if_closing();
    {
        const ScopedValue busy(busy_, Busy::timed);
        platform_.wait_until(clock_.platform_deadline(deadline, platform_now()));
    }
    throw_if_closing();
}

void MainForm::yield() {
    {
        const ScopedValue busy(busy_, Busy::timed);
        platform_.process_events();
    }
    throw_if_closing();
}

void MainForm::animate(int duration, int frame_count, const AnimationStyle& style,
                       const std::function<void(const AnimationFrame&)>& draw) {
    const std::uint32_t t0 = style.start ? *style.start : clock_now();
    const std::int64_t span = duration;
    int previous = style.drawn;
    if (style.covers && reading_.replaying()) {
        // Unseen: only the last redraw, as a run that drew every value leaves it.
        const int last = frame_count - 1;
        const std::int64_t at = (last * span + frame_count - 1) / frame_count;
        if (last > previous && at < span) {
            draw({last, std::max(previous, last - 1), at});
            if (style.refresh) refresh();
        }
        wait_until(t0 + static_cast<std::uint32_t>(span));
        return;
    }
    // A plane still sharing its pixels (with a checkpoint) gets its own copy now, not in
    // the middle of the frame that first draws into it.
    for (Plane& plane : picmain) plane.pixels.own();
    for (;;) {
        if (opening_cut_short()) return;
        const std::int64_t elapsed = static_cast<std::uint32_t>(clock_now() - t0);
        if (elapsed >= span) break;
        const int value = static_cast<int>(elapsed * frame_count / span);
        if (value == previous) {
            // The first millisecond of the next value.
            const std::int64_t next = ((previous + 1) * span + frame_count - 1) / frame_count;
            wait_until(t0 + static_cast<std::uint32_t>(next));
            continue;
        }
        draw({value, previous, elapsed});
        previous = value;
        if (style.refresh) refresh();
        yield();
    }
}

void MainForm::Form_Click() {
    mes = 0;
    platform_.release();
}

void MainForm::Form_KeyPress(int key_ascii) {
    if (key_ascii == 32 || key_ascii == 13) Form_Click();
}

void MainForm::Timer2_Timer() {
    if (mes == 1) {
        if (moup == 1) {
            set_visible(Control::imamou0, true);
            set_visible(Control::imamou1, false);
            moup = 0;
        } else if (moup == 0) {
            set_visible(Control::imamou1, true);
            set_visible(Control::imamou0, false);
            moup = 1;
        }
    } else if (mes == 0) {
        set_visible(Control::imamou0, false);
        set_visible(Control::imamou1, false);
    }
}

}  // namespace hazama
