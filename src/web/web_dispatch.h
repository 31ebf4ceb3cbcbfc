// What the game does with the player's actions in the browser. The one function main hands
// the platform as its dispatcher; the session layer's will take its place.
#pragma once

#include "web/web_action.h"

namespace hazama {

class MainForm;
class Replayer;

// "command look" presses that command button (when it is shown and enabled, as a click on
// the page can only do), "click NAME" is a click on a release input, "key CODE" a key that
// types the character CODE. Any other action does nothing.
void dispatch_to_form(MainForm& form, Replayer& replayer, const WebAction& action);

}  // namespace hazama
