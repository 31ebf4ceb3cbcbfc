// The moment a window's first picture is on screen, for the start-up measure
// (tools/measure) and for screenshots of the title screen.
#pragma once

#include <QObject>
#include <chrono>

namespace hazama {

// Installed on a window: once its first picture has been painted and handed to the window
// system, `report` prints when on the monotonic clock (tools/measure subtracts the moment
// it started the program), how long after main, and the CPU time spent till then; a
// `snapshot` file name gets what the window shows as a PNG, and the application quits.
class FirstPaintReport : public QObject {
  public:
    using Clock = std::chrono::steady_clock;
    FirstPaintReport(Clock::time_point main_start, bool report, const char* snapshot)
        : main_start_(main_start), report_(report), snapshot_(snapshot) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void painted(QObject* window);

    Clock::time_point main_start_;
    bool report_;
    const char* snapshot_;
    bool seen_ = false;
};

}  // namespace hazama
