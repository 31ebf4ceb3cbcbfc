// The one alarm every wait of the window sleeps on: a timer file on the monotonic clock,
// watched by the event loop, that rings at a moment given to the nanosecond.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace hazama {

// A QTimer counts whole milliseconds and rounds its wait up: a frame would wake up to 2 ms
// late. A timer file set to the deadline itself wakes within a fraction of a millisecond.
// Without one (the process has no file descriptor left) a precise QTimer stands in.
class WaitAlarm : public QObject {
  public:
    explicit WaitAlarm(std::function<void()> ring);
    ~WaitAlarm() override;
    WaitAlarm(const WaitAlarm&) = delete;
    WaitAlarm& operator=(const WaitAlarm&) = delete;

    // Rings once, `from_now_ns` from now (at once if that is not ahead); replaces any
    // earlier setting.
    void set(qint64 from_now_ns);
    void clear();

  private:
    std::function<void()> ring_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer fallback_;
};

}  // namespace hazama
