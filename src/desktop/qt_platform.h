// The platform in real time: Qt's clock, nested event loops for the waits, the window's two
// timers, the modal dialogs and the music device. What the core shows goes to the window.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "desktop/wait_alarm.h"
#include "platform/platform.h"

class QDialog;
class QEventLoop;
class QTimer;

namespace hazama {

class MainWindow;

class QtPlatform : public Platform {
  public:
    // Shows what the core asks for in `window` and plays the music on `media`.
    QtPlatform(MainWindow& window, MediaDevice& media);
    ~QtPlatform() override;

    // Runs a script started by the player or a timer: a closed window ends it quietly and
    // quits the application; a fatal error is reported and ends the program with status 1.
    // Nothing is thrown back into Qt.
    void run_script(const std::function<void()>& script);
    // The script that ends the game when the player closes the window (the form's unload).
    void set_unload(std::function<void()> unload) { unload_ = std::move(unload); }
    // Where the notices the core tells are shown (the face's notice over the scene).
    void set_teller(std::function<void(const std::string&)> teller) { teller_ = std::move(teller); }
    // The player closes the window: the game ends, whatever it was waiting for.
    void close_game();
    // Shows `dialog` modally, drawn at the window's factor and closed when the game ends;
    // false when the game is closing.
    bool exec_modal(QDialog& dialog);
    // 1 after a fatal error, else 0.
    int exit_status() const { return exit_status_; }
    // The clock's reading in nanoseconds, finer than now_ms() (the frame log).
    qint64 elapsed_ns() const { return clock_.nsecsElapsed(); }

    // ---- Platform ----
    std::uint32_t now_ms() override;
    void wait_until(std::uint32_t deadline) override;
    void wait_for_release() override;
    void wait_for_release_until(std::uint32_t deadline) override;
    void release() override;
    void wake() override;
    void process_events() override;
    void set_timer(TimerId id, int interval_ms, std::function<void()> tick) override;
    void set_timer_interval(TimerId id, int interval_ms) override;
    void exit_game() override;
    bool closing() const override { return closing_; }
    void set_visible(Control control, bool visible) override;
    void set_enabled(Control control, bool enabled) override;
    void set_message(const std::string& text) override;
    void reveal_message(const std::string& text, std::size_t shown) override;
    void hide_text(bool hidden) override;
    void copy_text(const std::string& text) override;
    void tell(const std::string& text) override;
    void set_face(const Plane* portrait) override;
    void set_staff(int index, const StaffLabel& label) override;
    void set_notice(const std::string& text) override;
    void show_reading_marks(bool auto_on, bool skipping) override;
    void refresh_screen(const Plane& screen) override;
    void dissolve_begins(const Plane& incoming) override;
    int choose(const std::array<std::string, 3>& captions) override;
    std::optional<std::string> ask_file(const FileRequest& request) override;
    void message_box(const std::string& text, const std::string& detail) override;
    bool load_picture(const std::string& path, Plane& into, std::string& error) override;
    MediaDevice& media() override { return media_; }

  private:
    // One wait: a nested loop that ends at its deadline, on a release (when it takes one),
    // on a wake, or when the game closes. False when the game is closing.
    struct Wait {
        QEventLoop* loop;
        std::optional<qint64> deadline_ns;
        bool releasable;
    };
    bool run_wait(std::optional<std::uint32_t> deadline, bool releasable);
    // Sets the alarm to the innermost wait's deadline.
    void arm_alarm();
    void fail(const QString& text);

    MainWindow& window_;
    MediaDevice& media_;
    QElapsedTimer clock_;
    bool closing_ = false;
    int exit_status_ = 0;
    std::function<void()> unload_;
    std::function<void(const std::string&)> teller_;
    // The folder of the file last saved or loaded with the file dialog: it opens there next.
    QString last_folder_;

    std::array<QTimer*, 2> timers_{};
    std::array<std::function<void()>, 2> ticks_;
    std::vector<Wait> waits_;  // the nested waits, innermost last
    WaitAlarm alarm_;
    bool woken_ = false;       // the reading settings changed: the current wait ends
    QPointer<QDialog> modal_;  // the dialog now open, closed when the game ends
};

}  // namespace hazama
