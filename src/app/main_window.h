// mainform on screen: the game's one window. It builds the controls and draws what the
// platform hands it; the player's input is routed by the InputRouter, the waits and dialogs
// are the QtPlatform's.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "app/scaling.h"
#include "platform/platform.h"
#include "reading/history.h"

class QLabel;
class QMenu;
class QPushButton;

namespace hazama {

class HistoryPanel;
class MainForm;
class ScreenView;

// A handler of the form that a control calls: a button's click, a release input's click.
using FormHandler = void (MainForm::*)();

// What the window asks of the game around it.
struct WindowHooks {
    std::function<void(FormHandler)> command;  // a button was pressed
    std::function<void()> history_closed;      // the history panel was closed
    std::function<void()> close;               // the player closes the window
};

class MainWindow : public QWidget {
  public:
    // `root` is the program's folder (gra/ holds the window's pictures).
    explicit MainWindow(std::filesystem::path root);
    ~MainWindow() override;

    void set_hooks(WindowHooks hooks) { hooks_ = std::move(hooks); }

    // ---- what the core shows ----
    void set_visible(Control control, bool visible);
    void set_enabled(Control control, bool enabled);
    void set_message(const std::string& text);
    void set_face(const Plane* portrait);
    void set_staff(int index, const StaffLabel& label);
    void set_notice(const std::string& text);
    void show_reading_marks(bool auto_on, bool skipping);
    void refresh_screen(const Plane& screen);
    void dissolve_begins(const Plane& incoming);

    // ---- the controls ----
    QWidget* control(Control control) const { return controls_[static_cast<int>(control)]; }
    // The form's handler for a click on `w` when it is a release input (the picture, the
    // message line, the portrait, the indicator, the logo and the notice).
    std::optional<FormHandler> release_input(QWidget* w) const;

    // ---- the history panel and the menu over the scene ----
    bool history_open() const;
    void open_history(const std::deque<HistoryEntry>& entries);
    // Hides the panel (the history_closed hook tells the game); nothing when it is hidden.
    void close_history();
    HistoryPanel& history() { return *history_; }
    // The right-click menu, made by the game once it has a form to act on.
    void set_menu(QMenu* menu);
    // The history and the menu close: a command starts, or the game ends.
    void close_overlays();

    // ---- fullscreen (fullscreen.cpp) ----
    // The client area scaled to the screen, centred on black; leaving it brings back the
    // fixed window where it was.
    void set_fullscreen(bool on);
    bool fullscreen() const { return fullscreen_; }
    // The fit the controls are drawn at now (factor 1 and no offset in the window).
    const Fit& fit() const { return scaling_.fit(); }
    // A dialog opened over the window grows with a large screen.
    void scale_dialog(QWidget* dialog) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Where the notice under the logo starts.
    static constexpr QPoint kNoticeAt{528, 64};

    void build_controls();
    void build_buttons();
    QPushButton* small_button(Control control, const char* name, const QString& caption, int x,
                              int y, FormHandler handler);
    QLabel* reading_mark(const char* name, const QString& text, int y);
    void apply_fit(const Fit& fit);

    std::filesystem::path root_;
    WindowHooks hooks_;
    QPixmap frame_;
    QPixmap scaled_frame_;  // fullscreen: the frame at the fit's factor
    Scaling scaling_{this};
    bool fullscreen_ = false;
    bool icon_set_ = false;  // set after the first paint
    QPoint windowed_at_;     // where the window was before fullscreen

    std::array<QWidget*, kControlCount> controls_{};
    std::map<QWidget*, FormHandler> release_inputs_;
    ScreenView* screen_ = nullptr;
    QLabel* labmain_ = nullptr;
    QLabel* labcopy_ = nullptr;
    QLabel* piclogo_ = nullptr;
    std::array<QLabel*, kStaffLabels> labstaff_{};
    QLabel* auto_mark_ = nullptr;
    QLabel* skip_mark_ = nullptr;
    HistoryPanel* history_ = nullptr;
    QPointer<QMenu> menu_;
};

}  // namespace hazama
