// hazama: the game in its window.
#include <malloc.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string_view>

#include "app/app_setup.h"
#include "app/qt_game.h"
#include "app/settings.h"
#include "app/start_up.h"
#include "audio/fluid_media_device.h"
#include "platform/data_folder.h"

namespace {

// Where the installed data lies relative to the program, as the install rules lay it out.
#ifdef HAZAMA_INSTALLED_DATA
constexpr std::string_view kInstalled = HAZAMA_INSTALLED_DATA;
#else
constexpr std::string_view kInstalled = hazama::kInstalledData;
#endif

using Clock = std::chrono::steady_clock;

double monotonic_ms(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(t.time_since_epoch()).count();
}

// Once the window's first picture has been painted and handed to the window system:
// HAZAMA_REPORT_FIRST_PAINT=1 prints when on the monotonic clock (tools/measure subtracts
// the moment it started the program), how long after main, and the CPU time spent till
// then; HAZAMA_SNAPSHOT=FILE writes what the window shows to FILE (a PNG) and quits.
class FirstPaintReport : public QObject {
  public:
    FirstPaintReport(Clock::time_point main_start, bool report, const char* snapshot)
        : main_start_(main_start), report_(report), snapshot_(snapshot) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The children paint and the frame is flushed before the loop runs this.
            QTimer::singleShot(0, this, [this, watched] {
                if (snapshot_ != nullptr) {
                    const bool saved = static_cast<QWidget*>(watched)->grab().save(snapshot_);
                    if (!saved) std::fprintf(stderr, "cannot write %s\n", snapshot_);
                    QCoreApplication::exit(saved ? 0 : 1);
                }
                if (!report_) return;
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
    bool report_;
    const char* snapshot_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const auto main_start = Clock::now();
    // One malloc arena for every thread: the synthesizer's thread would otherwise keep a
    // heap of its own, some 0.7 MB more resident for no speed we could notice.
    mallopt(M_ARENA_MAX, 1);
    if (!hazama::display_available(argc, argv)) {
        std::fprintf(stderr, "%s\n", hazama::kNoDisplayLine);
        return 1;
    }
    hazama::guard_platform_start();
    QApplication app(argc, argv);
    hazama::platform_started();
    QGuiApplication::setDesktopFileName(hazama::kDesktopId);
    hazama::install_font_substitutions();
    hazama::install_translator(app);

    // HAZAMA_SOUNDFONT_FOLDER: look for the SoundFont elsewhere (to measure the smaller one).
    std::unique_ptr<hazama::FluidMediaDevice> media;
    if (const char* folder = std::getenv("HAZAMA_SOUNDFONT_FOLDER")) {
        media = std::make_unique<hazama::FluidMediaDevice>(
            hazama::FluidMediaDevice::Options{.soundfont_folder = folder});
    }

    // The asset folders gra/ and music/ lie beside the program, or where it is installed.
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
    const auto data = hazama::find_data_folder(program, kInstalled);
    if (!data) {
        return hazama::report_missing_data(hazama::data_folder_candidates(program, kInstalled));
    }

    const bool report = std::getenv("HAZAMA_REPORT_FIRST_PAINT") != nullptr;
    const char* snapshot = std::getenv("HAZAMA_SNAPSHOT");
    FirstPaintReport first_paint(main_start, report, snapshot);
    hazama::QtGame game(
        *data, {.media = media.get(), .log_frames = std::getenv("HAZAMA_LOG_FRAMES") != nullptr});
    if (report || snapshot != nullptr) game.window().installEventFilter(&first_paint);
    // The read record is kept in the player's data folder; it is read with the first line.
    game.form().reading().set_data_folder(hazama::default_data_folder());
    game.form().Form_Load();
    // The choices of the last run: fullscreen, volume, auto-advance and skip.
    game.choices().use_settings(hazama::settings_path());
    game.window().show();
    const int status = app.exec();
    return game.platform().exit_status() != 0 ? game.platform().exit_status() : status;
}
