// The player's input (input_router.h).
#include "desktop/input_router.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "desktop/history_panel.h"
#include "desktop/main_window.h"
#include "desktop/qt_platform.h"
#include "desktop/reading_menu.h"
#include "shell/session.h"

namespace hazama {
namespace {

// Where the menu key opens the menu: over the scene, near its top left.
constexpr QPoint kMenuKeyAt{24, 24};

Key key_named(int qt_key) {
    switch (qt_key) {
        case Qt::Key_Space:
            return Key::space;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::enter;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return Key::tab;
        case Qt::Key_Escape:
            return Key::escape;
        case Qt::Key_PageUp:
            return Key::page_up;
        case Qt::Key_PageDown:
            return Key::page_down;
        case Qt::Key_Home:
            return Key::home;
        case Qt::Key_End:
            return Key::end;
        case Qt::Key_Up:
            return Key::up;
        case Qt::Key_Down:
            return Key::down;
        case Qt::Key_Left:
            return Key::left;
        case Qt::Key_Right:
            return Key::right;
        case Qt::Key_F2:
            return Key::f2;
        case Qt::Key_F3:
            return Key::f3;
        case Qt::Key_F5:
            return Key::f5;
        case Qt::Key_F6:
            return Key::f6;
        case Qt::Key_F7:
            return Key::f7;
        case Qt::Key_F9:
            return Key::f9;
        case Qt::Key_F10:
            return Key::f10;
        case Qt::Key_F11:
            return Key::f11;
        case Qt::Key_Menu:
            return Key::menu;
        case Qt::Key_C:
            return Key::c;
        case Qt::Key_Y:
            return Key::y;
        case Qt::Key_Z:
            return Key::z;
        case Qt::Key_Insert:
            return Key::insert;
        case Qt::Key_Control:
            return Key::control;
        case Qt::Key_Shift:
            return Key::shift;
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
            return Key::alt;
        case Qt::Key_Meta:
            return Key::meta;
        default:
            return Key::other;
    }
}

KeyInput key_input(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held = key.modifiers();
    return {.key = key_named(key.key()),
            .press = key.type() == QEvent::KeyPress,
            .auto_repeat = key.isAutoRepeat(),
            .ctrl = held.testFlag(Qt::ControlModifier),
            .alt = held.testFlag(Qt::AltModifier),
            .shift = held.testFlag(Qt::ShiftModifier),
            .text = key.text().isEmpty() ? char32_t{0} : char32_t{key.text().at(0).unicode()}};
}

Press press_of(const QMouseEvent& mouse) {
    switch (mouse.type()) {
        case QEvent::MouseButtonDblClick:
            return Press::double_click;
        case QEvent::MouseButtonRelease:
            return Press::up;
        default:
            return Press::down;
    }
}

Button button_of(const QMouseEvent& mouse) {
    switch (mouse.button()) {
        case Qt::LeftButton:
            return Button::left;
        case Qt::MiddleButton:
            return Button::middle;
        case Qt::RightButton:
            return Button::right;
        default:
            return Button::other;
    }
}

}  // namespace

InputRouter::InputRouter(MainWindow& window, QtPlatform& platform, Session& session)
    : window_(window), platform_(platform), session_(session) {
    menu_ = std::make_unique<ReadingMenu>(&window_, session_, [this] { open_history(); });
    window_.set_menu(menu_.get());
    // Keys are seen here before any control gets them (see shell/input.h).
    qApp->installEventFilter(this);
}

InputRouter::~InputRouter() {
    qApp->removeEventFilter(this);
}

InputContext InputRouter::context() const {
    return session_.context(window_.history_open(),
                            window_.history_open() && window_.history().chosen() >= 0);
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (receiver == nullptr || (receiver != &window_ && !window_.isAncestorOf(receiver)))
        return false;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return key(static_cast<QKeyEvent*>(event));
        case QEvent::Wheel:
            if (!platform_.closing()) wheel(*static_cast<QWheelEvent*>(event));
            return !platform_.closing();
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return button(receiver, static_cast<QMouseEvent*>(event));
        case QEvent::WindowDeactivate:
            // The key's release goes to another window now.
            if (receiver == &window_ && !platform_.closing()) {
                session_.perform(Do::ctrl_up);
                session_.perform(Do::peek_off);
            }
            return false;
        default:
            return false;
    }
}

bool InputRouter::key(QKeyEvent* event) {
    const KeyInput input = key_input(*event);
    const Do action = decide_key(input, context());
    if (action == Do::pass) return false;
    if (platform_.closing()) return action == Do::release || action == Do::swallow;
    switch (action) {
        case Do::open_history:
            open_history();
            return true;
        case Do::open_menu:
            // The menu key (or Shift+F10), for the reader without a mouse.
            menu_->open_at(window_.mapToGlobal(window_.fit().map(kMenuKeyAt)));
            return true;
        case Do::peek_on:
        case Do::peek_off:
            // Let through: Shift still makes Shift+F10 and the like.
            session_.perform(action);
            return false;
        case Do::history_close:
            // Closed, and the same key goes on to release the line.
            window_.close_history();
            return session_.perform(Do::release, &input);
        case Do::history_previous:
        case Do::history_next:
        case Do::history_page_up:
        case Do::history_page_down:
        case Do::history_start:
        case Do::history_end:
        case Do::history_escape:
        case Do::history_go:
            history_key(action);
            return true;
        default:
            return session_.perform(action, &input);
    }
}

bool InputRouter::button(QWidget* receiver, QMouseEvent* mouse) {
    if (platform_.closing()) {
        return receiver != &window_ && window_.release_input(receiver).has_value();
    }
    const Do action = decide_button(button_of(*mouse), press_of(*mouse), context());
    switch (action) {
        case Do::pass:
            return receiver == &window_ ? background_click(mouse) : release_click(receiver, mouse);
        case Do::show_text:
        case Do::history_pointer:
            if (action == Do::show_text) {
                session_.perform(action);
            } else {
                history_click(mouse);
            }
            pressed_ = nullptr;
            background_pressed_ = false;
            return true;
        case Do::open_menu:
            menu_->open_at(mouse->globalPosition().toPoint());
            return true;
        default:
            return session_.perform(action);
    }
}

// A click on a release input: the left button goes down and comes up on the control.
bool InputRouter::release_click(QWidget* receiver, QMouseEvent* mouse) {
    const auto handler = window_.release_input(receiver);
    if (!handler) return false;
    if (mouse->button() != Qt::LeftButton) return true;
    if (mouse->type() != QEvent::MouseButtonRelease) {
        pressed_ = receiver;
        return true;
    }
    const bool click =
        pressed_ == receiver && receiver->rect().contains(mouse->position().toPoint());
    pressed_ = nullptr;
    if (click) {
        MainForm* const form = &session_.form();
        const FormHandler h = *handler;
        platform_.run_script([form, h] { (form->*h)(); });
    }
    return true;
}

// A click on the window's own background, where no control is.
bool InputRouter::background_click(QMouseEvent* mouse) {
    if (mouse->button() != Qt::LeftButton) return false;
    if (mouse->type() != QEvent::MouseButtonRelease) {
        background_pressed_ = true;
        return false;
    }
    const bool click = background_pressed_ && window_.rect().contains(mouse->position().toPoint());
    background_pressed_ = false;
    if (click) {
        MainForm* const form = &session_.form();
        platform_.run_script([form] { form->Form_Click(); });
    }
    return false;
}

void InputRouter::wheel(const QWheelEvent& event) {
    constexpr int kLinesPerStep = 3;
    HistoryPanel& history = window_.history();
    const int step = history.line_height() * kLinesPerStep;
    switch (wheel_.turn(event.angleDelta().y(), event.angleDelta().x(), context())) {
        case Wheel::Turn::show_text:
            session_.perform(Do::show_text);
            pressed_ = nullptr;
            background_pressed_ = false;
            break;
        case Wheel::Turn::open_history:
            open_history();
            break;
        case Wheel::Turn::scroll_up:
            history.scroll_by(-step);
            break;
        case Wheel::Turn::scroll_down:
            if (!history.scroll_by(step)) window_.close_history();
            break;
        case Wheel::Turn::go_back:
            session_.step_back();
            break;
        case Wheel::Turn::go_forward:
            session_.step_forward();
            break;
        case Wheel::Turn::none:
            break;
    }
}

}  // namespace hazama
