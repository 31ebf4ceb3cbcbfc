// hazama: the game in its window.
#include <malloc.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "app/app_setup.h"
#include "app/main_window.h"
#include "audio/fluid_media_device.h"

namespace {

using Clock = std::chrono::steady_clock;

double monotonic_ms(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(t.time_since_epoch()).count();
}

// HAZAMA_REPORT_FIRST_PAINT=1: once the window's first picture has been painted and handed
// to the window system, print when on the monotonic clock (tools/measure subtracts the
// moment it started the program), how long after main, and the CPU time spent till then.
class FirstPaintReport : public QObject {
  public:
    explicit FirstPaintReport(Clock::time_point main_start) : main_start_(main_start) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The children paint and the frame is flushed before the loop runs this.
            QTimer::singleShot(0, this, [this] {
                const auto now = Clock::now();
                timespec cpu{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::fprintf(stderr, "first paint %.1f ms after main, at %.3f ms, cpu %.1f ms\n",
                             std::chrono::duration<double, std::milli>(now - main_start_).count(),
                             monotonic_ms(now), cpu.tv_sec * 1e3 + cpu.tv_nsec * 1e-6);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    Clock::time_point main_start_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const auto main_start = Clock::now();
    // One malloc arena for every thread: the synthesizer's thread would otherwise keep a
    // heap of its own, some 0.7 MB more resident for no speed we could notice.
    mallopt(M_ARENA_MAX, 1);
    QApplication app(argc, argv);
    hazama::install_font_substitutions();
    hazama::install_translator(app);

    // HAZAMA_SOUNDFONT_FOLDER: look for the SoundFont elsewhere (to measure the smaller one).
    std::unique_ptr<hazama::FluidMediaDevice> media;
    if (const char* folder = std::getenv("HAZAMA_SOUNDFONT_FOLDER")) {
        media = std::make_unique<hazama::FluidMediaDevice>(
            hazama::FluidMediaDevice::Options{.soundfont_folder = folder});
    }

    FirstPaintReport first_paint(main_start);
    // The asset folders gra/ and music/ lie beside the program.
    hazama::MainWindow window(QCoreApplication::applicationDirPath().toStdString(), media.get());
    if (std::getenv("HAZAMA_REPORT_FIRST_PAINT") != nullptr)
        window.installEventFilter(&first_paint);
    // The read record is kept in the player's data folder; it is read with the first line.
    window.form().reading().set_data_folder(hazama::default_data_folder());
    window.form().Form_Load();
    window.show();
    const int status = app.exec();
    return window.exit_status() != 0 ? window.exit_status() : status;
}
