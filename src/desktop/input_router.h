// The player's input, seen before any control gets it: clicks and keys that release a line
// or start a command, and the reading controls on the inputs the story leaves free (the
// right and middle buttons, the wheel, Ctrl held, Ctrl+C, Page Up/Down, the arrows,
// Home/End, Escape over the history, the menu key, F2, F3, F11), and the saved positions
// (F5 quick save, F9 quick load or continue, F6 and F7 the slot screen, Ctrl+Z or the
// wheel tilted left a line back, a line of the history chosen). Every decision is the
// form's; the router passes the input on and opens what it asks.
#pragma once

#include <QObject>
#include <memory>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QWidget;

namespace hazama {

class MainForm;
class MainWindow;
class PlayerChoices;
class PositionKeeper;
class QtPlatform;
class ReadingMenu;

class InputRouter : public QObject {
  public:
    // Watches every event of the application from now until it is destroyed.
    InputRouter(MainWindow& window, QtPlatform& platform, MainForm& form, PlayerChoices& choices,
                PositionKeeper& positions);
    ~InputRouter() override;

    // Opens the history panel when the form allows it.
    void open_history();
    // The settings (設定), modal; every choice in it is applied and kept at once.
    void open_settings();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool filter_key(QWidget* receiver, QKeyEvent* key);
    bool filter_click(QWidget* receiver, QMouseEvent* mouse);
    bool background_click(QMouseEvent* mouse);
    bool reading_input(QWidget* receiver, QEvent* event);
    bool show_text(QEvent* event);
    bool reading_key(QKeyEvent* key);
    bool copy_key(QKeyEvent* key);
    bool history_key(int key);
    bool fullscreen_key(QKeyEvent* key);
    void reading_wheel(const QWheelEvent& wheel);
    bool reading_click(QMouseEvent* mouse);
    void history_click(QMouseEvent* mouse);
    // Closes the history and goes back to its `entry`.
    void go_back_to(int entry);

    MainWindow& window_;
    QtPlatform& platform_;
    MainForm& form_;
    PlayerChoices& choices_;
    PositionKeeper& positions_;
    // The right-click menu acts on the form, so it goes before the form does.
    std::unique_ptr<ReadingMenu> menu_;
    QWidget* pressed_ = nullptr;  // the control a left button went down on
    bool background_pressed_ = false;
    int sideways_ = 0;  // the wheel's sideways turn, towards the left, not yet a step
};

}  // namespace hazama
