// Before the window opens: whether one can be opened at all, and the data it shows.
#include "desktop/start_up.h"

#include <unistd.h>

#include <QMessageBox>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "desktop/app_setup.h"

namespace hazama {
namespace {

bool set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// A message Qt gave while its platform was starting, kept until we know it started.
struct HeldMessage {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};

QtMessageHandler previous_handler = nullptr;
std::vector<HeldMessage> held;

const char* or_null(const std::string& s) {
    return s.empty() ? nullptr : s.c_str();
}

void hold_message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt would abort() after this; nothing of the program needs to be torn down yet.
        std::fprintf(stderr, "%s\n", kNoDisplayLine);
        std::fflush(stderr);
        ::_exit(1);
    }
    auto copy = [](const char* s) { return std::string(s != nullptr ? s : ""); };
    held.push_back({type, copy(context.file), copy(context.function), copy(context.category),
                    context.line, text});
}

}  // namespace

bool display_available(int argc, char** argv) {
    if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}

void guard_platform_start() {
    held.clear();
    previous_handler = qInstallMessageHandler(hold_message);
}

void platform_started() {
    qInstallMessageHandler(previous_handler);
    for (const HeldMessage& m : held) {
        const QMessageLogContext context(or_null(m.file), m.line, or_null(m.function),
                                         or_null(m.category));
        qt_message_output(m.type, context, m.text);
    }
    held.clear();
}

QString missing_data_text(const std::vector<std::filesystem::path>& tried) {
    QStringList places;
    for (const auto& folder : tried) places << QString::fromStdString(folder.string());
    const QString list = QStringLiteral("\n    ") + places.join(QStringLiteral("\n    "));
    return QStringLiteral("ゲームのデータ (gra と music) が見つかりません。\n探した場所:") + list +
           QStringLiteral("\n\nThe game's data (gra and music) was not found in:") + list;
}

bool bus_launch_futile(const char* address, const char* runtime_dir, const char* path,
                       const std::function<bool(const std::string&)>& runnable) {
    if (address != nullptr && address[0] != '\0') return false;
    if (runtime_dir != nullptr && runtime_dir[0] != '\0' &&
        std::filesystem::exists(std::filesystem::path(runtime_dir) / "bus")) {
        return false;
    }
    // D-Bus runs dbus-launch from its own folder first, then as the shell would find it.
    if (runnable("/usr/bin/dbus-launch")) return false;
    std::string_view folders = path != nullptr ? path : "/bin:/usr/bin";
    while (true) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        if (runnable(std::string(folder.empty() ? "." : folder) + "/dbus-launch")) return false;
        if (colon == std::string_view::npos) return true;
        folders.remove_prefix(colon + 1);
    }
}

void skip_futile_bus_launch() {
    const auto runnable = [](const std::string& file) { return ::access(file.c_str(), X_OK) == 0; };
    if (bus_launch_futile(std::getenv("DBUS_SESSION_BUS_ADDRESS"), std::getenv("XDG_RUNTIME_DIR"),
                          std::getenv("PATH"), runnable)) {
        setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    }
}

int report_missing_data(const std::vector<std::filesystem::path>& tried) {
    std::string places;
    for (const auto& folder : tried) places += (places.empty() ? "" : ", ") + folder.string();
    std::fprintf(stderr, "%s%s\n",
                 "ハザマ: ゲームのデータ (gra) が見つかりません / hazama: game data (gra) not "
                 "found in: ",
                 places.c_str());
    QMessageBox box(QMessageBox::Critical, kTitle, missing_data_text(tried), QMessageBox::Ok);
    box.exec();
    return 1;
}

}  // namespace hazama
