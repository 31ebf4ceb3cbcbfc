// What the page posts: the player's input, in the words of the core's actions, and the answers
// of the page's dialogs.
#pragma once

#include <string>
#include <string_view>

namespace hazama {

// One action as the page wrote it: "KIND ARGUMENT", such as "command look", "click labmain",
// "key down space - 32", "chosen 2", "file name.hzm", "file-cancel", "ok", "yes", "no",
// "slot pick 3", "setting volume 75", "menu 4 75 0", "close".
struct WebAction {
    std::string kind;
    std::string argument;  // empty when the kind takes none
    bool operator==(const WebAction&) const = default;
};

// Splits the page's text at its first space.
WebAction parse_action(std::string_view text);

// The answers of the page's dialogs go to the dialog open in the page rather than to the game:
// the phase of the dialog `action` answers ("chooser", "file", "message", "question", "slots",
// "settings"), empty when it is no answer.
std::string_view dialog_answered(const WebAction& action);

}  // namespace hazama
