// The first picture on screen (first_paint.h).
#include "desktop/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace hazama {

bool FirstPaintReport::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !seen_) {
        seen_ = true;
        // The children paint and the frame is flushed before the loop runs this.
        QTimer::singleShot(0, this, [this, watched] { painted(watched); });
    }
    return QObject::eventFilter(watched, event);
}

void FirstPaintReport::painted(QObject* window) {
    if (snapshot_ != nullptr) {
        const bool saved = static_cast<QWidget*>(window)->grab().save(snapshot_);
        if (!saved) std::fprintf(stderr, "cannot write %s\n", snapshot_);
        QCoreApplication::exit(saved ? 0 : 1);
    }
    if (!report_) return;
    const auto now = Clock::now();
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
    std::fprintf(stderr, "first paint %.1f ms after main, at %.3f ms, cpu %.1f ms\n",
                 ms(now - main_start_), ms(now.time_since_epoch()),
                 static_cast<double>(cpu.tv_sec) * 1e3 + static_cast<double>(cpu.tv_nsec) * 1e-6);
}

}  // namespace hazama
