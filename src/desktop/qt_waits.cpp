// The Qt platform's clock and waits: every wait is a nested event loop that sleeps on one
// alarm, so timers, clicks, keys and repaints keep being served while a script stands still.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <utility>

#include "desktop/qt_platform.h"

namespace hazama {
namespace {

constexpr qint64 kNsPerMs = 1000000;

}  // namespace

std::uint32_t QtPlatform::now_ms() {
    return static_cast<std::uint32_t>(clock_.elapsed());
}

bool QtPlatform::run_wait(std::optional<std::uint32_t> deadline, bool releasable) {
    if (closing_) return false;
    QEventLoop loop;
    Wait wait{&loop, std::nullopt, releasable};
    if (deadline) {
        // The deadline on the nanosecond clock: the first moment now_ms() reads it.
        const qint64 now_ns = clock_.nsecsElapsed();
        const auto left =
            static_cast<std::int32_t>(*deadline - static_cast<std::uint32_t>(now_ns / kNsPerMs));
        if (left <= 0) return true;
        wait.deadline_ns = (now_ns / kNsPerMs + left) * kNsPerMs;
    }
    waits_.push_back(wait);
    arm_alarm();
    const int result = loop.exec();
    waits_.pop_back();
    arm_alarm();
    // A negative result: the application is quitting and every loop returns at once.
    if (result < 0) closing_ = true;
    return result == 0 && !closing_;
}

void QtPlatform::arm_alarm() {
    if (waits_.empty() || !waits_.back().deadline_ns) {
        alarm_.clear();
        return;
    }
    alarm_.set(*waits_.back().deadline_ns - clock_.nsecsElapsed());
}

void QtPlatform::wait_until(std::uint32_t deadline) {
    woken_ = false;
    while (!closing_ && !std::exchange(woken_, false)) {
        if (static_cast<std::int32_t>(deadline - now_ms()) <= 0) return;
        if (!run_wait(deadline, false)) return;
    }
}

void QtPlatform::wait_for_release() {
    run_wait(std::nullopt, true);
}

void QtPlatform::wait_for_release_until(std::uint32_t deadline) {
    run_wait(deadline, true);
}

void QtPlatform::release() {
    for (auto w = waits_.rbegin(); w != waits_.rend(); ++w) {
        if (w->releasable) {
            w->loop->exit(0);
            return;
        }
    }
}

void QtPlatform::wake() {
    woken_ = true;
    if (!waits_.empty()) waits_.back().loop->exit(0);
}

void QtPlatform::process_events() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtPlatform::set_timer(TimerId id, int interval_ms, std::function<void()> tick) {
    ticks_[static_cast<int>(id)] = std::move(tick);
    set_timer_interval(id, interval_ms);
}

void QtPlatform::set_timer_interval(TimerId id, int interval_ms) {
    QTimer* timer = timers_[static_cast<int>(id)];
    if (interval_ms <= 0 || closing_) {
        timer->stop();
    } else {
        timer->start(interval_ms);
    }
}

}  // namespace hazama
