// mainform on screen: the game's one window. It builds the controls and draws what the
// platform hands it; the player's input is routed by the InputRouter, the waits and dialogs
// are the QtPlatform's.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <deque>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <optional>
#include <string>

#include "desktop/scaling.h"
#include "form/form_handler.h"
#include "platform/platform.h"
#include "reading/history.h"
#include "shell/stage_layout.h"
#include "text/catalogue.h"

class QLabel;
class QMenu;
class QPushButton;

namespace hazama {

class HistoryPanel;
class MainForm;
class MessageLine;
class NoticeLabel;
class ScreenView;

// What the window asks of the game around it.
struct WindowHooks {
    std::function<void(FormHandler)> command;  // a button was pressed
    std::function<void()> history_closed;      // the history panel was closed
    std::function<void()> close;               // the player closes the window
    std::function<void()> fullscreen_changed;  // the window manager asked for it
    std::function<bool()> has_save;            // a slot to continue from exists
};

class MainWindow : public QWidget {
  public:
    // `root` is the program's folder (gra/ holds the window's pictures).
    explicit MainWindow(std::filesystem::path root);
    ~MainWindow() override;

    void set_hooks(WindowHooks hooks) {
        hooks_ = std::move(hooks);
        show_continue_hint();
    }
    // The hint under the notice shown while the title is up and a save exists.
    void show_continue_hint();

    // ---- what the core shows ----
    void set_visible(Control control, bool visible);
    void set_enabled(Control control, bool enabled);
    void set_message(const std::string& text);
    // Letter-by-letter display: `text` held, its first `shown` bytes drawn.
    void reveal_message(const std::string& text, std::size_t shown);
    // The message line, the portrait and the indicator hidden to see the picture.
    void hide_text(bool hidden);
    // The message line's text as shown, for the clipboard: CR LF as a line feed.
    static QString display_text(const std::string& text);
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
    // The fit the controls are drawn at now (at factor 1 and no offset in the window of
    // the design's size).
    const Fit& fit() const { return scaling_.fit(); }
    // The window's size when not fullscreen, in percent of the design (one of kWindowSizes):
    // the client area drawn at that factor, as fullscreen draws it.
    void set_window_size(int percent);
    int window_size() const { return window_size_; }
    // A dialog opened over the window is drawn at the window's factor (dialog_scaling.cpp),
    // and follows it while it is open.
    void scale_dialog(QWidget* dialog) const;

    // ---- the language (window_language.cpp) ----
    // The window's texts in the language; the form redraws the line itself.
    void set_language(Language language);
    Language language() const { return language_; }
    // While in Japanese, the history lists each line's English under it.
    void set_history_both(bool both);
    bool history_both() const { return history_both_; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Where the notice under the logo starts.
    static constexpr QPoint kNoticeAt{kNoticeX, kNoticeY};

    // The window's pictures of the title screen, decoded on a second core while the window
    // and the form are made.
    struct TitleArt {
        QImage frame, logo, imamou0, imamou1;
    };
    // Puts them in place the first time they are needed: the window polished to be shown
    // or grabbed, or scaled. Does nothing after that.
    void place_title_art();

    void build_controls();
    void build_buttons();
    QPushButton* small_button(Control control, const char* name, FormHandler handler);
    QLabel* reading_mark(const char* name, const char* text, const StageRect& place);
    void apply_fit(const Fit& fit);
    void scale_open_dialogs() const;
    // The fixed window at the chosen size, its centre kept where it was.
    void apply_window_size();
    // Whether a control of the strip under the scene is hidden with the text.
    static bool hidden_with_text(Control control);
    // Every text of the window's own in the language in force.
    void retranslate();

    std::filesystem::path root_;
    WindowHooks hooks_;
    std::future<TitleArt> title_art_;
    QPixmap frame_;
    QPixmap scaled_frame_;                // scaled: the frame at the fit's factor
    std::optional<QPixmap> large_frame_;  // loaded when first scaled; null: none
    Scaling scaling_{this};
    bool fullscreen_ = false;
    bool icon_set_ = false;  // set after the first paint
    QPoint windowed_at_;     // where the window was before fullscreen
    QPoint centre_;          // where the player left the window's centre
    QPoint placed_centre_;   // where a change of size last put it
    int window_size_ = 100;  // percent, when not fullscreen
    bool text_hidden_ = false;
    Language language_ = Language::ja;
    bool history_both_ = false;
    std::array<bool, kControlCount> wanted_visible_{};  // as the core last asked

    std::array<QWidget*, kControlCount> controls_{};
    std::map<QWidget*, FormHandler> release_inputs_;
    ScreenView* screen_ = nullptr;
    MessageLine* labmain_ = nullptr;
    NoticeLabel* labcopy_ = nullptr;
    // Under the notice at the title, while a save exists: how to continue from it.
    QLabel* continue_hint_ = nullptr;
    QLabel* piclogo_ = nullptr;
    std::array<QLabel*, kStaffLabels> labstaff_{};
    QLabel* auto_mark_ = nullptr;
    QLabel* skip_mark_ = nullptr;
    HistoryPanel* history_ = nullptr;
    QPointer<QMenu> menu_;
};

}  // namespace hazama
