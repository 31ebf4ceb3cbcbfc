// What the game does with the player's actions in the browser (web_dispatch.h).
#include "web/web_dispatch.h"

#include <cstdlib>

#include "form/main_form.h"
#include "replay/replayer.h"

namespace hazama {
namespace {

using Handler = void (MainForm::*)();

Handler button_handler(Control button) {
    switch (button) {
        case Control::comsave:
            return &MainForm::comsave_Click;
        case Control::comload:
            return &MainForm::comload_Click;
        case Control::comstart:
            return &MainForm::comstart_Click;
        case Control::comend:
            return &MainForm::comend_Click;
        case Control::commove:
            return &MainForm::commove_Click;
        case Control::comtalk:
            return &MainForm::comtalk_Click;
        case Control::comlook:
            return &MainForm::comlook_Click;
        default:
            return nullptr;
    }
}

}  // namespace

void dispatch_to_form(MainForm& form, Replayer& replayer, const WebAction& action) {
    if (action.kind == "command") {
        for (const ButtonName& b : kButtonNames) {
            if (action.argument != b.command) continue;
            if (!form.visible(b.control) || !form.enabled(b.control)) return;
            const Handler handler = button_handler(b.control);
            replayer.run([&form, handler] { (form.*handler)(); });
            return;
        }
    } else if (action.kind == "click") {
        form.Form_Click();
    } else if (action.kind == "key") {
        form.Form_KeyPress(std::atoi(action.argument.c_str()));
    }
}

}  // namespace hazama
