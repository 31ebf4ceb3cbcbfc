// The window's two timers in the browser, kept by the platform and fired inside its waits.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/platform.h"

namespace hazama {

// True when clock value `a` comes before `b`, across the 32-bit wrap.
constexpr bool clock_before(std::uint32_t a, std::uint32_t b) {
    return static_cast<std::int32_t>(a - b) < 0;
}

class WebTimers {
  public:
    void set(TimerId id, int interval_ms, std::function<void()> tick, std::uint32_t now);
    // Restarts the timer with `interval_ms` from `now`; 0 stops it.
    void set_interval(TimerId id, int interval_ms, std::uint32_t now);
    void stop_all();

    // When the first running timer is due; nothing when none runs.
    std::optional<std::uint32_t> next_due() const;
    // Real time: fires each timer due by `now` once, the earliest first. A timer that fell
    // behind by more than its interval fires once and is due an interval from now, as a
    // window's timer does.
    void fire_due(std::uint32_t now);
    // Virtual time: moves `clock` to `deadline`, firing every tick due on the way in order,
    // each with the clock at its due time; stops where `closing` turns true.
    void advance(std::uint32_t& clock, std::uint32_t deadline, const bool& closing);

  private:
    struct Timer {
        int interval = 0;
        std::uint32_t due = 0;
        std::function<void()> tick;
        bool running() const { return interval > 0 && tick; }
    };
    Timer* first_due_by(std::uint32_t limit);

    std::array<Timer, 2> timers_{};
};

}  // namespace hazama
