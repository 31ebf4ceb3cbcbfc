// What the player's keys, buttons and wheel do (input.h).
#include "shell/input.h"

#include <cstdlib>

namespace hazama {
namespace {

// The menu opens where the history may, and over the opening (its settings, its volume).
bool menu_allowed(const InputContext& context) {
    return context.history_allowed || context.in_opening;
}

bool modifier(Key key) {
    return key == Key::control || key == Key::shift || key == Key::alt || key == Key::meta;
}

// The keys of the open history; `pass` for a key it leaves to the rest.
Do history_key(const KeyInput& input, const InputContext& context) {
    switch (input.key) {
        case Key::up:
            return Do::history_previous;
        case Key::down:
            return Do::history_next;
        case Key::page_up:
            return Do::history_page_up;
        case Key::page_down:
            return Do::history_page_down;
        case Key::home:
            return Do::history_start;
        case Key::end:
            return Do::history_end;
        case Key::escape:
            return Do::history_escape;
        case Key::enter:
            // With nothing chosen it closes, and Enter goes on to release the line.
            return context.history_chosen ? Do::history_go : Do::history_close;
        case Key::space:
            return Do::history_close;
        default:
            return Do::pass;
    }
}

// The keys that work the reader's controls; `pass` for the others.
Do control_key(const KeyInput& input, const InputContext& context) {
    switch (input.key) {
        case Key::page_up:
            return Do::open_history;
        case Key::f10:
            // Shift+F10 is the menu key of a keyboard without one.
            if (!input.shift) return Do::pass;
            [[fallthrough]];
        case Key::menu:
            return menu_allowed(context) ? Do::open_menu : Do::swallow;
        case Key::f2:
            return Do::toggle_auto;
        case Key::f3:
            return Do::toggle_skip;
        case Key::f5:
            return Do::quick_save;
        case Key::f9:
            return Do::quick_load;
        case Key::f6:
            return Do::save_slots;
        case Key::f7:
            return Do::load_slots;
        default:
            return Do::pass;
    }
}

}  // namespace

Do decide_key(const KeyInput& input, const InputContext& context) {
    // While the text is hidden the next key (a modifier alone is none) shows it again and
    // does nothing else.
    if (context.text_hidden && input.press && !modifier(input.key)) return Do::show_text;
    if (input.key == Key::control) {
        // Held, it skips; pressed with another key it is a chord (Ctrl+C) and skips nothing.
        if (!input.press) return Do::ctrl_up;
        return input.auto_repeat ? Do::swallow : Do::ctrl_down;
    }
    // For learners: held, the line shows in English while the game is in Japanese. It goes
    // on: Shift still makes Shift+F10 and the like.
    if (input.key == Key::shift) return input.press ? Do::peek_on : Do::peek_off;
    // F11, or Enter with Alt held (which types nothing: the line is not released).
    if (input.key == Key::f11 || (input.key == Key::enter && input.alt)) {
        return input.press && !input.auto_repeat ? Do::fullscreen : Do::swallow;
    }
    // Ctrl+C (or Ctrl+Insert) copies the line, Ctrl+Z goes back one and Ctrl+Y forward
    // again; each is a chord, not Ctrl held.
    if (input.ctrl && (input.key == Key::c || input.key == Key::insert || input.key == Key::z ||
                       input.key == Key::y)) {
        if (!input.press) return Do::swallow;
        if (input.auto_repeat) return Do::chord;
        if (input.key == Key::z) return Do::go_back;
        return input.key == Key::y ? Do::go_forward : Do::copy_line;
    }
    const bool space = input.key == Key::space;
    const bool enter = input.key == Key::enter;
    if (input.press) {
        if (context.history_open) {
            if (const Do d = history_key(input, context); d != Do::pass) return d;
        }
        if (const Do d = control_key(input, context); d != Do::pass) return d;
    }
    // A seen opening ends at the key that would release a line.
    if (context.opening_skippable && (space || enter))
        return input.press ? Do::skip_opening : Do::swallow;
    // Every key that types a character is the game's, whichever control has the focus:
    // Space and Enter release a waiting line, the rest do nothing, and none reaches a
    // button. Tab still moves the focus.
    if (input.key == Key::tab || (!space && !enter && input.text == 0)) return Do::pass;
    return input.press ? Do::release : Do::swallow;
}

int release_code(const KeyInput& input) {
    if (input.key == Key::space) return 32;
    if (input.key == Key::enter) return 13;
    return static_cast<int>(input.text);
}

Do decide_button(Button button, Press press, const InputContext& context) {
    // While the text is hidden the next click shows it again and does nothing else.
    if (context.text_hidden && press != Press::up) return Do::show_text;
    // While the history is open a click reaches nothing else.
    if (context.history_open) return Do::history_pointer;
    // The right button opens the menu and the middle one hides the text; neither is ever a
    // release.
    if (button == Button::middle) return press == Press::down ? Do::hide_text : Do::swallow;
    if (button == Button::right) {
        return press == Press::down && menu_allowed(context) ? Do::open_menu : Do::swallow;
    }
    // A seen opening ends at a click (the click is not also a release).
    if (button == Button::left && context.opening_skippable)
        return press == Press::down ? Do::skip_opening : Do::swallow;
    return Do::pass;
}

Wheel::Turn Wheel::turn(int up, int left, const InputContext& context) {
    if (context.text_hidden) return Turn::show_text;
    if (std::abs(left) > std::abs(up)) {
        // Tilted (or swiped) to the left, a notch at a time: a line back, as a browser's tilt
        // goes back a page. The history keeps the upright wheel.
        sideways_ = left > 0 ? sideways_ + left : 0;
        if (sideways_ >= kNotch && !context.history_open) {
            sideways_ = 0;
            return Turn::go_back;
        }
        return Turn::none;
    }
    if (up > 0) return context.history_open ? Turn::scroll_up : Turn::open_history;
    if (up < 0 && context.history_open) return Turn::scroll_down;
    if (up < 0 && context.ahead) return Turn::go_forward;
    return Turn::none;
}

}  // namespace hazama
