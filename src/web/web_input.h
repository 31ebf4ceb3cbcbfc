// What the game does with the player's actions in the browser: the page names each event (a
// command button, a click on a release input, a key, a mouse button, the wheel or a swipe, the
// menu's and the history's choices, the quick-menu bar) and this turns it into the session's
// inputs, decided by the shell's tables as on the desktop. The one function main hands the
// platform as its dispatcher; it runs inside the waits, never from the page's own handlers.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "shell/input.h"
#include "web/web_action.h"

namespace hazama {

class Session;
class WebFace;
class WebPlatform;

// "key down space rcas 32": the key's name (shell/input.h's in lower case, "other" for the
// rest), its flags (r auto-repeat, c Ctrl, a Alt, s Shift; "-" for none) and the character
// it types (0 for none). Nothing when the text is no key.
std::optional<KeyInput> parse_key(std::string_view text);

class WebInput {
  public:
    WebInput(WebPlatform& platform, Session& session, WebFace& face)
        : platform_(platform), session_(session), face_(face) {}

    void handle(const WebAction& action);

    // The page has lost the focus or gone to the background: held keys are let go, and the
    // place is kept in the automatic slot.
    void left();

  private:
    InputContext context() const;
    void key(const KeyInput& input);
    void button(Button which, Press press);
    void wheel(int up, int left);
    void act(Do action, const KeyInput* key = nullptr);
    void open_history();
    void close_history();
    void history_key(Do action);
    void go_back_to(int entry);
    void open_menu();
    void menu_chosen(std::string_view argument);

    WebPlatform& platform_;
    Session& session_;
    WebFace& face_;
    Wheel wheel_;
    bool history_open_ = false;
    int history_chosen_ = -1;  // as the page last reported it
    std::vector<int> lines_back_;
    bool menu_open_ = false;
};

}  // namespace hazama
