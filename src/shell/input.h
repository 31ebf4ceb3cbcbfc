// What the player's keys, buttons and wheel do, whichever face they come from. A face names
// its event in these words (a key, a button, a turn of the wheel) with what is on screen,
// and gets back the one thing to do; it then does it through the session (or, for the
// history's scrolling and the menu's place, itself). The story's own inputs (a click or a key
// that releases a line) are among them, so both faces leave the same inputs to the story.
#pragma once

#include <cstdint>

namespace hazama {

enum class Key : std::uint8_t {
    other,  // a key of no meaning here; `text` says whether it types a character
    space,
    enter,
    tab,
    escape,
    page_up,
    page_down,
    home,
    end,
    up,
    down,
    left,
    right,
    f2,
    f3,
    f5,
    f6,
    f7,
    f9,
    f10,
    f11,
    menu,
    c,
    y,
    z,
    insert,
    control,
    shift,
    alt,
    meta,
};

struct KeyInput {
    Key key = Key::other;
    bool press = true;  // false: the key comes up
    bool auto_repeat = false;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    // The character it types (for Space, Enter and letters too); 0 when it types none.
    char32_t text = 0;
};

// What is on screen when the input comes.
struct InputContext {
    bool text_hidden = false;        // the message line hidden to see the picture
    bool history_open = false;       // the history panel over the scene
    bool history_allowed = true;     // a line waits or nothing runs (MainForm::history_allowed)
    bool history_chosen = false;     // a line of the open history is chosen to go back to
    bool ahead = false;              // after going back, a line already seen lies ahead
    bool in_opening = false;         // the opening credits run: the menu opens all the same
    bool opening_skippable = false;  // and were watched through before: a click ends them
};

enum class Do : std::uint8_t {
    pass,        // not the game's: the face's control gets it as usual
    swallow,     // the game's, and nothing happens
    release,     // the story's key: MainForm::Form_KeyPress(release_code(input))
    show_text,   // the hidden text comes back (and the input does nothing else)
    ctrl_down,   // MainForm::press_ctrl
    ctrl_up,     // MainForm::set_ctrl(false)
    peek_on,     // MainForm::peek_english(true); the input goes on to the face as well
    peek_off,    // MainForm::peek_english(false); likewise
    fullscreen,  // fullscreen on or off, and the choice kept
    chord,       // MainForm::ctrl_chord alone (a chord's key held down)
    copy_line,   // MainForm::ctrl_chord, then copy the line
    go_back,     // MainForm::ctrl_chord, then a line back
    go_forward,  // MainForm::ctrl_chord, then a line forward again after going back
    open_history,
    open_menu,  // at a place of the face's choosing (the key has no pointer)
    toggle_auto,
    toggle_skip,
    quick_save,
    quick_load,
    save_slots,
    load_slots,
    hide_text,
    // ---- over the open history ----
    history_previous,  // the choice to the line before, or scroll up a line
    history_next,      // the choice to the line after, or scroll down a line
    history_page_up,
    history_page_down,  // or close it past its end
    history_start,
    history_end,
    history_escape,   // the choice let go, or the history closed when there is none
    history_go,       // back to the chosen line
    history_close,    // closed; the same input then goes on to release the line
    history_pointer,  // a click over the open history: the face's panel sorts it out
    skip_opening,     // MainForm::skip_opening: a seen opening ends at once
};

// What a key does.
Do decide_key(const KeyInput& input, const InputContext& context);

// The character code a releasing key hands the story: Space 32, Enter 13, else its text.
int release_code(const KeyInput& input);

enum class Button : std::uint8_t { left, middle, right, other };
enum class Press : std::uint8_t { down, double_click, up };

// What a mouse button (or a tap, as the left one) does over the game window; the release
// of a line by a click is the face's to tell (it knows which control was clicked), and is
// `pass` here.
Do decide_button(Button button, Press press, const InputContext& context);

// The wheel: turned up it opens or scrolls the history; down it scrolls it and closes it
// past its end, or, closed, steps forward again after going back; tilted to the left (a notch at a
// time) it goes a line back while the history is closed.
class Wheel {
  public:
    // One notch, as the desktop counts a wheel's turn.
    static constexpr int kNotch = 120;
    enum class Turn : std::uint8_t {
        none,
        show_text,
        open_history,
        scroll_up,
        scroll_down,
        go_back,
        go_forward
    };
    // A turn `up` upwards (positive) and `left` leftwards (positive), in the same units.
    Turn turn(int up, int left, const InputContext& context);

  private:
    int sideways_ = 0;  // the turn towards the left not yet a step
};

}  // namespace hazama
