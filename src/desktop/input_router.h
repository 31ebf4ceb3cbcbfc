// The player's input, seen before any control gets it, named in the session's words (a key,
// a button, a turn of the wheel) and done as the session decides (shell/input.h): clicks
// and keys that release a line or start a command, the reading controls on the inputs the
// story leaves free, and the saved positions. What the window does itself: the history
// panel's scrolling and choice, and where the menu opens.
#pragma once

#include <QObject>
#include <memory>

#include "shell/input.h"

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QWidget;

namespace hazama {

class MainWindow;
class QtPlatform;
class ReadingMenu;
class Session;

class InputRouter : public QObject {
  public:
    // Watches every event of the application from now until it is destroyed.
    InputRouter(MainWindow& window, QtPlatform& platform, Session& session);
    ~InputRouter() override;

    // Opens the history panel when the form allows it.
    void open_history();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    InputContext context() const;
    bool key(QKeyEvent* key);
    bool button(QWidget* receiver, QMouseEvent* mouse);
    void wheel(const QWheelEvent& wheel);
    // A click on a release input, or on the window's own background, where no control is.
    bool release_click(QWidget* receiver, QMouseEvent* mouse);
    bool background_click(QMouseEvent* mouse);
    // The keys of the open history (input_router_history.cpp).
    void history_key(Do action);
    void history_click(QMouseEvent* mouse);
    // Closes the history and goes back to its `entry`.
    void go_back_to(int entry);

    MainWindow& window_;
    QtPlatform& platform_;
    Session& session_;
    // The right-click menu acts on the form, so it goes before the form does.
    std::unique_ptr<ReadingMenu> menu_;
    Wheel wheel_;
    QWidget* pressed_ = nullptr;  // the control a left button went down on
    bool background_pressed_ = false;
};

}  // namespace hazama
