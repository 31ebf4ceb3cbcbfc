// Before the window opens: telling whether a display is there, holding Qt's messages
// while its platform starts, and the message when the game's data is missing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "desktop/start_up.h"

namespace hazama {
namespace {

// Sets or clears environment variables for one test and puts them back afterwards.
class Environment {
  public:
    ~Environment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    void set(const std::string& name, const char* value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value) {
            setenv(name.c_str(), value, 1);
        } else {
            unsetenv(name.c_str());
        }
    }

  private:
    std::map<std::string, std::optional<std::string>> saved_;
};

TEST(StartUp, ADisplayIsThereWhenAnyWayToOneIsGiven) {
    Environment env;
    char program[] = "hazama";
    char platform_flag[] = "-platform";
    char offscreen[] = "offscreen";
    char* bare[] = {program, nullptr};
    char* with_flag[] = {program, platform_flag, offscreen, nullptr};
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.set(name, "");
    EXPECT_FALSE(display_available(1, bare)) << "empty variables name no display";
    EXPECT_TRUE(display_available(3, with_flag));

    env.set("DISPLAY", ":0");
    EXPECT_TRUE(display_available(1, bare));
    env.set("DISPLAY", nullptr);
    env.set("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_TRUE(display_available(1, bare));
    env.set("WAYLAND_DISPLAY", nullptr);
    env.set("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(display_available(1, bare));
}

TEST(StartUp, MessagesWhileThePlatformStartsArePrintedOnceItHasStarted) {
    ::testing::internal::CaptureStderr();
    guard_platform_start();
    qWarning("held back");
    const std::string while_starting = ::testing::internal::GetCapturedStderr();
    ::testing::internal::CaptureStderr();
    platform_started();
    qWarning("straight out");
    const std::string after = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(while_starting, "");
    EXPECT_NE(after.find("held back"), std::string::npos) << after;
    EXPECT_LT(after.find("held back"), after.find("straight out")) << after;
}

TEST(StartUp, ABusLaunchIsSkippedOnlyWhenNothingCouldStartOne) {
    const auto temp = std::filesystem::temp_directory_path() / "hazama-bus-test";
    std::filesystem::create_directories(temp);
    std::set<std::string> installed;
    const auto runnable = [&](const std::string& file) { return installed.count(file) > 0; };
    const std::string runtime = temp.string();

    EXPECT_TRUE(bus_launch_futile(nullptr, nullptr, "/usr/local/bin:/usr/bin", runnable));
    EXPECT_TRUE(bus_launch_futile("", runtime.c_str(), "/usr/local/bin", runnable));
    EXPECT_FALSE(bus_launch_futile("unix:path=/run/user/1000/bus", nullptr, "", runnable));

    // dbus-launch in D-Bus's own folder, or anywhere on PATH (no PATH: the shell's default).
    installed = {"/usr/bin/dbus-launch"};
    EXPECT_FALSE(bus_launch_futile(nullptr, nullptr, "/opt/bin", runnable));
    installed = {"/opt/x11/bin/dbus-launch"};
    EXPECT_FALSE(bus_launch_futile(nullptr, nullptr, "/usr/local/bin:/opt/x11/bin", runnable));
    EXPECT_TRUE(bus_launch_futile(nullptr, nullptr, "/opt/x11", runnable));
    installed = {"/bin/dbus-launch"};
    EXPECT_FALSE(bus_launch_futile(nullptr, nullptr, nullptr, runnable));
    installed = {"./dbus-launch"};
    EXPECT_FALSE(bus_launch_futile(nullptr, nullptr, "/usr/local/bin::/opt", runnable))
        << "an empty entry is the working folder";

    // A session bus of the user's own in the runtime folder.
    installed.clear();
    std::ofstream(temp / "bus").put('\n');
    EXPECT_FALSE(bus_launch_futile(nullptr, runtime.c_str(), "/usr/local/bin", runnable));
    std::filesystem::remove_all(temp);
}

TEST(StartUp, MissingDataNamesEveryPlaceLookedIn) {
    const std::vector<std::filesystem::path> tried{"/opt/game/games",
                                                   "/opt/game/share/games/hazama"};
    QString shown;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        shown = box->text();
        box->accept();
    });
    answer.start(5);
    ::testing::internal::CaptureStderr();
    const int status = report_missing_data(tried);
    // Our line comes before anything Qt says about the box.
    const std::string printed = ::testing::internal::GetCapturedStderr();
    const std::string line = printed.substr(0, printed.find('\n'));

    EXPECT_EQ(status, 1);
    EXPECT_EQ(shown, missing_data_text(tried));
    for (const auto& folder : tried) {
        EXPECT_TRUE(shown.contains(QString::fromStdString(folder.string()))) << folder;
        EXPECT_NE(line.find(folder.string()), std::string::npos) << line;
    }
    EXPECT_TRUE(shown.contains(QStringLiteral("見つかりません")) && shown.contains("not found"));
}

}  // namespace
}  // namespace hazama
