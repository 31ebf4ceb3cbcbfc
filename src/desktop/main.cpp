// hazama: the game in its window.
#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <thread>

#include "audio/module_media_device.h"
#include "desktop/app_setup.h"
#include "desktop/first_paint.h"
#include "desktop/qt_game.h"
#include "desktop/settings.h"
#include "desktop/start_up.h"
#include "platform/data_folder.h"

namespace {

// Where the installed data lies relative to the program, as the install rules lay it out.
#ifdef HAZAMA_INSTALLED_DATA
constexpr std::string_view kInstalled = HAZAMA_INSTALLED_DATA;
#else
constexpr std::string_view kInstalled = hazama::kInstalledData;
#endif
// Where the synthesizer module is installed, relative to the program.
#ifdef HAZAMA_INSTALLED_MODULES
constexpr std::string_view kInstalledModules = HAZAMA_INSTALLED_MODULES;
#else
constexpr std::string_view kInstalledModules = "../lib/hazama";
#endif

}  // namespace

int main(int argc, char** argv) {
    const auto main_start = std::chrono::steady_clock::now();
    // One malloc arena for every thread: the synthesizer's thread would otherwise keep a
    // heap of its own, some 0.7 MB more resident for no speed we could notice.
    mallopt(M_ARENA_MAX, 1);
    hazama::skip_futile_bus_launch();
    // Fontconfig reads its configuration and font caches the first time a font is asked
    // for; the title's text needs it. It reads them on a second core while Qt starts
    // (fontconfig is thread-safe: Qt's own first call waits for or reuses this one).
    const std::jthread fontconfig_ready([] { FcInit(); });
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
    // hazama --lang en|ja: the language of this run, over the remembered one and the desktop's.
    std::optional<hazama::Language> forced;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] != QStringLiteral("--lang")) continue;
        forced = i + 1 < arguments.size() ? hazama::language_named(arguments[i + 1].toStdString())
                                          : std::nullopt;
        if (!forced) {
            std::fprintf(stderr, "usage: hazama [--lang en|ja]\n");
            return 2;
        }
    }

    // The asset folders gra/ and music/ lie beside the program, or where it is installed.
    const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
    const auto data = hazama::find_data_folder(program, kInstalled);
    if (!data) {
        return hazama::report_missing_data(hazama::data_folder_candidates(program, kInstalled));
    }

    // The synthesizer is loaded from its module with the first piece of music.
    // HAZAMA_SOUNDFONT_FOLDER: look for the SoundFont elsewhere (to measure the smaller one).
    const char* soundfonts = std::getenv("HAZAMA_SOUNDFONT_FOLDER");
    hazama::ModuleMediaDevice media({.folders = {program, program / kInstalledModules},
                                     .soundfont_folder = soundfonts != nullptr ? soundfonts : ""});

    const bool report = std::getenv("HAZAMA_REPORT_FIRST_PAINT") != nullptr;
    const char* snapshot = std::getenv("HAZAMA_SNAPSHOT");
    hazama::FirstPaintReport first_paint(main_start, report, snapshot);
    hazama::QtGame game(*data, {.media = &media,
                                .log_frames = std::getenv("HAZAMA_LOG_FRAMES") != nullptr,
                                .data = hazama::default_data_folder()});
    if (report || snapshot != nullptr) game.window().installEventFilter(&first_paint);
    // The read record is kept in the player's data folder; it is read with the first line.
    game.form().reading().set_data_folder(hazama::default_data_folder());
    game.form().Form_Load();
    // The choices of the last run: fullscreen, volume, auto-advance and skip.
    game.choices().use_settings(hazama::settings_path(), forced);
    game.window().show();
    const int status = app.exec();
    return game.platform().exit_status() != 0 ? game.platform().exit_status() : status;
}
