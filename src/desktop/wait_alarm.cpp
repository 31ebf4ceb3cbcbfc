// The waits' alarm (wait_alarm.h).
#include "desktop/wait_alarm.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <cstdint>

namespace hazama {

WaitAlarm::WaitAlarm(std::function<void()> ring)
    : ring_(std::move(ring)), fd_(timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC | TFD_NONBLOCK)) {
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, [this] { ring_(); });
    if (fd_ < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        // Reading the count of expirations makes the file quiet until it is set again.
        std::uint64_t expirations = 0;
        if (::read(fd_, &expirations, sizeof expirations) > 0) ring_();
    });
}

WaitAlarm::~WaitAlarm() {
    notifier_.reset();
    if (fd_ >= 0) ::close(fd_);
}

void WaitAlarm::set(qint64 from_now_ns) {
    const qint64 ns = std::max<qint64>(from_now_ns, 1);
    if (fd_ < 0) {
        fallback_.start(static_cast<int>((ns + 999999) / 1000000));
        return;
    }
    itimerspec when{};
    when.it_value.tv_sec = static_cast<time_t>(ns / 1000000000);
    when.it_value.tv_nsec = static_cast<long>(ns % 1000000000);
    timerfd_settime(fd_, 0, &when, nullptr);
}

void WaitAlarm::clear() {
    fallback_.stop();
    if (fd_ < 0) return;
    const itimerspec off{};
    timerfd_settime(fd_, 0, &off, nullptr);
    // A ring already pending is dropped with the file's count.
    std::uint64_t expirations = 0;
    [[maybe_unused]] const auto read = ::read(fd_, &expirations, sizeof expirations);
}

}  // namespace hazama
