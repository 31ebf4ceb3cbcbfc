// What the game does with the player's actions in the browser (web_dispatch.h).
#include "web/web_dispatch.h"

#include <cstdlib>
#include <utility>

#include "form/main_form.h"
#include "replay/replayer.h"

namespace hazama {
namespace {

using Handler = void (MainForm::*)();

// What each command button runs.
const std::pair<Control, Handler> kHandlers[] = {
    {Control::comsave, &MainForm::comsave_Click},   {Control::comload, &MainForm::comload_Click},
    {Control::comstart, &MainForm::comstart_Click}, {Control::comend, &MainForm::comend_Click},
    {Control::commove, &MainForm::commove_Click},   {Control::comtalk, &MainForm::comtalk_Click},
    {Control::comlook, &MainForm::comlook_Click},
};

Handler button_handler(Control button) {
    for (const auto& [control, handler] : kHandlers) {
        if (control == button) return handler;
    }
    return nullptr;
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
