// mainform on screen: the game's one window, implementing the platform with real widgets,
// real time and nested event loops.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/scaling.h"
#include "app/settings.h"
#include "form/main_form.h"
#include "platform/platform.h"

class QEventLoop;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;

namespace hazama {

class HistoryPanel;
class ReadingMenu;
class CloseRequestFilter;
class ScreenView;

class MainWindow : public QWidget, public Platform {
  public:
    // `root` is the program's folder (gra/ and music/). Without a media device the window
    // plays music with FluidSynth.
    explicit MainWindow(std::filesystem::path root, MediaDevice* media = nullptr);
    ~MainWindow() override;

    MainForm& form() { return *form_; }

    // Runs a script started by a button: a closed window ends it quietly and quits the
    // application; a fatal error is reported and ends the program with status 1. Nothing
    // is thrown back into Qt.
    void run_script(const std::function<void()>& script);
    // 1 after a fatal error, else 0.
    int exit_status() const { return exit_status_; }
    // Whether Ctrl is held down in the window (every line is skipped meanwhile).
    bool ctrl_held() const;
    // Fullscreen (fullscreen.cpp): the client area scaled to the screen, centred on black;
    // leaving it brings back the fixed window where it was.
    void set_fullscreen(bool on);
    bool fullscreen() const { return fullscreen_; }
    // The music's loudness in percent (one of kVolumeSteps), applied at once.
    void set_volume(int percent);
    int volume() const { return volume_; }
    // The player's choices (player_choices.cpp): those in the file at `path` are applied,
    // and every later choice is written there. Without a call nothing is kept.
    void use_settings(const QString& path);
    // The fit the controls are drawn at now (factor 1 and no offset in the window).
    const Fit& fit() const { return scaling_.fit(); }

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
    // With HAZAMA_LOG_FRAMES set, the story's steps and every screen refresh are logged to
    // standard error with the window's clock and the process's CPU time (tools/measure).
    void note(const std::string& line) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_controls();
    QPushButton* small_button(Control control, const char* name, const QString& caption, int x,
                              int y, void (MainForm::*handler)());
    QWidget* widget(Control control) const { return controls_[static_cast<int>(control)]; }
    // Makes `target` a release input that calls `handler` when clicked.
    void clickable(QWidget* target, void (MainForm::*handler)());
    bool filter_key(QWidget* receiver, QKeyEvent* key);
    bool filter_click(QWidget* receiver, QMouseEvent* mouse);
    // Runs a nested loop until it is told to end; false when the game is closing.
    bool run_loop(QEventLoop& loop);
    void fail(const QString& text);
    // The player closes the window: the game ends, whatever it was waiting for.
    void close_game();

    // The reading controls (reading_input.cpp).
    void build_reading_controls();
    bool filter_reading(QWidget* receiver, QEvent* event);
    bool reading_key(QKeyEvent* key);
    void reading_wheel(int delta);
    bool reading_click(QMouseEvent* mouse);
    void open_history();
    void close_history();
    void close_reading_overlays();

    // Fullscreen (fullscreen.cpp).
    bool fullscreen_key(QKeyEvent* key);
    void apply_fit(const Fit& fit);
    void scale_dialog(QWidget* dialog) const;
    // Writes the choices now in force to the settings file when they have changed.
    void remember();

    std::filesystem::path root_;
    std::unique_ptr<MediaDevice> own_media_;
    MediaDevice& media_;
    QElapsedTimer clock_;
    bool closing_ = false;
    bool log_frames_ = false;
    bool clock_after_note_ = false;  // the frame log awaits the clock's next reading
    int exit_status_ = 0;

    QPixmap frame_;
    QPixmap scaled_frame_;  // fullscreen: the frame at the fit's factor
    Scaling scaling_{this};
    bool fullscreen_ = false;
    QPoint windowed_at_;  // where the window was before fullscreen
    int volume_ = 100;
    QString settings_path_;  // empty: the choices are not kept
    Settings remembered_;    // what the file holds
    std::array<QWidget*, kControlCount> controls_{};
    ScreenView* screen_ = nullptr;
    QLabel* labmain_ = nullptr;
    QLabel* labcopy_ = nullptr;
    QLabel* piclogo_ = nullptr;
    std::array<QLabel*, 11> labstaff_{};
    std::map<QWidget*, void (MainForm::*)()> release_inputs_;
    QWidget* pressed_ = nullptr;  // the control a left button went down on
    bool background_pressed_ = false;

    std::array<QTimer*, 2> timers_{};
    std::array<std::function<void()>, 2> ticks_;
    std::vector<QEventLoop*> loops_;  // the nested waits, innermost last
    QEventLoop* release_loop_ = nullptr;
    QPointer<QWidget> modal_;  // the dialog now open, closed when the game ends
    bool woken_ = false;       // the reading settings changed: the current wait ends

    HistoryPanel* history_ = nullptr;
    ReadingMenu* menu_ = nullptr;
    QLabel* auto_mark_ = nullptr;
    QLabel* skip_mark_ = nullptr;

    std::unique_ptr<MainForm> form_;
    std::unique_ptr<CloseRequestFilter> close_request_;
};

}  // namespace hazama
