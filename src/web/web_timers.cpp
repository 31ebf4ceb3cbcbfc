// The window's two timers in the browser (web_timers.h).
#include "web/web_timers.h"

namespace hazama {

void WebTimers::set(TimerId id, int interval_ms, std::function<void()> tick, std::uint32_t now) {
    timers_[static_cast<int>(id)].tick = std::move(tick);
    set_interval(id, interval_ms, now);
}

void WebTimers::set_interval(TimerId id, int interval_ms, std::uint32_t now) {
    Timer& t = timers_[static_cast<int>(id)];
    t.interval = interval_ms > 0 ? interval_ms : 0;
    t.due = now + static_cast<std::uint32_t>(t.interval);
}

void WebTimers::stop_all() {
    for (Timer& t : timers_) t.interval = 0;
}

std::optional<std::uint32_t> WebTimers::next_due() const {
    std::optional<std::uint32_t> first;
    for (const Timer& t : timers_) {
        if (t.running() && (!first || clock_before(t.due, *first))) first = t.due;
    }
    return first;
}

WebTimers::Timer* WebTimers::first_due_by(std::uint32_t limit) {
    Timer* first = nullptr;
    for (Timer& t : timers_) {
        if (t.running() && !clock_before(limit, t.due) &&
            (first == nullptr || clock_before(t.due, first->due))) {
            first = &t;
        }
    }
    return first;
}

void WebTimers::fire_due(std::uint32_t now) {
    std::array<bool, 2> fired{};
    for (;;) {
        Timer* t = first_due_by(now);
        if (t == nullptr || fired[static_cast<std::size_t>(t - timers_.data())]) return;
        fired[static_cast<std::size_t>(t - timers_.data())] = true;
        t->due += static_cast<std::uint32_t>(t->interval);
        if (!clock_before(now, t->due)) t->due = now + static_cast<std::uint32_t>(t->interval);
        // The tick may stop or restart any timer, this one too.
        const std::function<void()> tick = t->tick;
        tick();
    }
}

void WebTimers::advance(std::uint32_t& clock, std::uint32_t deadline, const bool& closing) {
    while (!closing && clock_before(clock, deadline)) {
        Timer* t = first_due_by(deadline);
        if (t == nullptr) {
            clock = deadline;
            return;
        }
        if (clock_before(clock, t->due)) clock = t->due;
        t->due += static_cast<std::uint32_t>(t->interval);
        const std::function<void()> tick = t->tick;
        tick();
    }
}

}  // namespace hazama
