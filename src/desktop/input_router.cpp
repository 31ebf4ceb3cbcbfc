// The player's input (input_router.h).
#include "desktop/input_router.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cstdlib>
#include <functional>

#include "desktop/history_panel.h"
#include "desktop/main_window.h"
#include "desktop/player_choices.h"
#include "desktop/positions.h"
#include "desktop/qt_platform.h"
#include "desktop/reading_menu.h"
#include "desktop/settings_dialog.h"
#include "form/main_form.h"

namespace hazama {
namespace {

// Where the menu key opens the menu: over the scene, near its top left.
constexpr QPoint kMenuKeyAt{24, 24};
// One notch of a wheel (QWheelEvent::angleDelta).
constexpr int kNotch = 120;

}  // namespace

InputRouter::InputRouter(MainWindow& window, QtPlatform& platform, MainForm& form,
                         PlayerChoices& choices, PositionKeeper& positions)
    : window_(window), platform_(platform), form_(form), choices_(choices), positions_(positions) {
    menu_ = std::make_unique<ReadingMenu>(
        &window_, form_,
        WindowActions{.open_history = [this] { open_history(); },
                      .fullscreen = [this] { return window_.fullscreen(); },
                      .set_fullscreen = [this](bool on) { window_.set_fullscreen(on); },
                      .volume = [this] { return choices_.volume(); },
                      .set_volume = [this](int percent) { choices_.set_volume(percent); },
                      .remember = [this] { choices_.remember(); },
                      .open_settings = [this] { open_settings(); },
                      .quick_load = [this] { positions_.quick_load(); },
                      .at_title = [this] { return positions_.at_title(); },
                      .open_slots = [this](bool saving) { positions_.open_slots(saving); },
                      .set_language = [this](Language l) { choices_.set_language(l); }});
    window_.set_menu(menu_.get());
    // Keys are seen here before any control gets them (see filter_key).
    qApp->installEventFilter(this);
}

InputRouter::~InputRouter() {
    qApp->removeEventFilter(this);
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (receiver == nullptr || (receiver != &window_ && !window_.isAncestorOf(receiver)))
        return false;
    if (reading_input(receiver, event)) return true;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return filter_key(receiver, static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (receiver == &window_) return background_click(mouse);
            return filter_click(receiver, mouse);
        }
        default:
            return false;
    }
}

// Every key that types a character is the window's, whichever control has the focus:
// Space and Enter release a waiting line, the rest do nothing, and none reaches a button.
// Tab still moves the focus, and Alt mnemonics are shortcuts that never arrive here.
bool InputRouter::filter_key(QWidget*, QKeyEvent* key) {
    const bool space = key->key() == Qt::Key_Space;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return false;
    if (!space && !enter && key->text().isEmpty()) return false;
    if (key->type() == QEvent::KeyPress && !platform_.closing()) {
        const int code = space ? 32 : enter ? 13 : key->text().at(0).unicode();
        platform_.run_script([this, code] { form_.Form_KeyPress(code); });
    }
    return true;
}

// A click on a release input: the left button goes down and comes up on the control.
bool InputRouter::filter_click(QWidget* receiver, QMouseEvent* mouse) {
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
    if (click && !platform_.closing()) {
        MainForm* const form = &form_;
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
    if (click && !platform_.closing()) platform_.run_script([this] { form_.Form_Click(); });
    return false;
}

// ---------------------------------------------------------------- the reading controls

void InputRouter::open_settings() {
    SettingsDialog dialog(&window_, choices_.now(),
                          [this](const Settings& chosen) { choices_.choose(chosen); });
    // Auto and skip wait while the settings are open, as for the menu.
    form_.set_menu_open(true);
    platform_.exec_modal(dialog);
    form_.set_menu_open(false);
}

bool InputRouter::reading_input(QWidget* receiver, QEvent* event) {
    if (platform_.closing()) return false;
    if (form_.reading().text_hidden() && show_text(event)) return true;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return reading_key(static_cast<QKeyEvent*>(event));
        case QEvent::Wheel:
            reading_wheel(*static_cast<QWheelEvent*>(event));
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return reading_click(static_cast<QMouseEvent*>(event));
        case QEvent::WindowDeactivate:
            // The key's release goes to another window now.
            if (receiver == &window_) {
                form_.set_ctrl(false);
                form_.peek_english(false);
            }
            return false;
        default:
            return false;
    }
}

// While the text is hidden the next click or key (a modifier alone is none) shows it again
// and does nothing else.
bool InputRouter::show_text(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const int k = static_cast<QKeyEvent*>(event)->key();
            if (k == Qt::Key_Control || k == Qt::Key_Shift || k == Qt::Key_Alt ||
                k == Qt::Key_Meta || k == Qt::Key_AltGr)
                return false;
            form_.set_text_hidden(false);
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            form_.set_text_hidden(false);
            pressed_ = nullptr;
            background_pressed_ = false;
            return true;
        default:
            return false;
    }
}

bool InputRouter::reading_key(QKeyEvent* key) {
    const bool press = key->type() == QEvent::KeyPress;
    const int k = key->key();
    if (k == Qt::Key_Control) {
        // Held, it skips; pressed with another key it is a chord (Ctrl+C) and skips nothing.
        if (!press) {
            form_.set_ctrl(false);
        } else if (!key->isAutoRepeat()) {
            form_.press_ctrl();
        }
        return true;
    }
    if (k == Qt::Key_Shift) {
        // For learners: held, the line shows in English while the game is in Japanese. Let
        // through: Shift still makes Shift+F10 and the like.
        form_.peek_english(press);
        return false;
    }
    if (fullscreen_key(key)) return true;
    if (copy_key(key)) return true;
    if (!press) return false;
    if (window_.history_open() && history_key(k)) return true;
    switch (k) {
        case Qt::Key_PageUp:
            open_history();
            return true;
        case Qt::Key_Menu:
        case Qt::Key_F10:
            // The menu key (or Shift+F10), for the reader without a mouse.
            if (k == Qt::Key_F10 && !key->modifiers().testFlag(Qt::ShiftModifier)) return false;
            if (form_.history_allowed()) {
                menu_->open_at(window_.mapToGlobal(window_.fit().map(kMenuKeyAt)));
            }
            return true;
        case Qt::Key_F2:
            form_.set_auto(!form_.reading().auto_on());
            choices_.remember();
            return true;
        case Qt::Key_F3:
            form_.set_skip(!form_.reading().skip_on());
            choices_.remember();
            return true;
        case Qt::Key_F5:
            positions_.quick_save();
            return true;
        case Qt::Key_F9:
            positions_.quick_load();
            return true;
        case Qt::Key_F6:
        case Qt::Key_F7:
            positions_.open_slots(k == Qt::Key_F6);
            return true;
        default:
            return false;
    }
}

// F11, or Enter with Alt held (which types nothing: the line is not released).
bool InputRouter::fullscreen_key(QKeyEvent* key) {
    const int k = key->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    if (k != Qt::Key_F11 && !(enter && key->modifiers().testFlag(Qt::AltModifier))) return false;
    if (key->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
        window_.set_fullscreen(!window_.fullscreen());
        choices_.remember();
    }
    return true;
}

// Ctrl+C (or Ctrl+Insert): the line to the clipboard; the line goes on waiting.
// Ctrl+C copies the line, Ctrl+Z goes back one line; either is a chord, not Ctrl held.
bool InputRouter::copy_key(QKeyEvent* key) {
    const int k = key->key();
    const bool back = k == Qt::Key_Z;
    if (!key->modifiers().testFlag(Qt::ControlModifier) ||
        (k != Qt::Key_C && k != Qt::Key_Insert && !back))
        return false;
    if (key->type() == QEvent::KeyPress) {
        form_.ctrl_chord();
        if (!key->isAutoRepeat()) back ? positions_.go_back(1) : form_.copy_line();
    }
    return true;
}

void InputRouter::reading_wheel(const QWheelEvent& wheel) {
    const int delta = wheel.angleDelta().y();
    const int sideways = wheel.angleDelta().x();
    if (std::abs(sideways) > std::abs(delta)) {
        // Tilted (or swiped) to the left, a notch at a time: a line back, as a browser's
        // tilt goes back a page. The history keeps the upright wheel.
        sideways_ = sideways > 0 ? sideways_ + sideways : 0;
        if (sideways_ >= kNotch && !window_.history_open()) {
            sideways_ = 0;
            positions_.go_back(1);
        }
        return;
    }
    constexpr int kLinesPerStep = 3;
    HistoryPanel& history = window_.history();
    const int step = history.line_height() * kLinesPerStep;
    if (delta > 0) {
        if (window_.history_open()) {
            history.scroll_by(-step);
        } else {
            open_history();
        }
    } else if (delta < 0 && window_.history_open()) {
        if (!history.scroll_by(step)) window_.close_history();
    }
}

// While the history is open a click reaches nothing else (see history_click); otherwise
// the right button opens the menu and the middle one hides the text. None is ever a release.
bool InputRouter::reading_click(QMouseEvent* mouse) {
    if (window_.history_open()) {
        history_click(mouse);
        pressed_ = nullptr;
        background_pressed_ = false;
        return true;
    }
    if (mouse->button() == Qt::MiddleButton) {
        if (mouse->type() == QEvent::MouseButtonPress) form_.set_text_hidden(true);
        return true;
    }
    if (mouse->button() != Qt::RightButton) return false;
    if (mouse->type() == QEvent::MouseButtonPress && form_.history_allowed()) {
        menu_->open_at(mouse->globalPosition().toPoint());
    }
    return true;
}

}  // namespace hazama
