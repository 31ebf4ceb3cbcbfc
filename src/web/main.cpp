// The web edition: the game's core on the browser's platform, driven by the page's actions.
#include "form/main_form.h"
#include "platform/data_folder.h"
#include "replay/replay_gate.h"
#include "replay/replayer.h"
#include "web/web_dispatch.h"
#include "web/web_media_device.h"
#include "web/web_platform.h"
#include "web/web_storage.h"

namespace {

// Where the page lays out the game's files in the module's memory (web/js/files.js).
constexpr char kRoot[] = "/hazama";

}  // namespace

int main() {
    using namespace hazama;
    WebMediaDevice device(kRoot);
    WebPlatform platform(device, kRoot);
    ReplayGate gate(platform);
    MainForm form(gate, kRoot);
    Replayer replayer(form, gate);
    keep_player_files_in_storage();
    // $HOME/.local/share/hazama: the page keeps it in the browser's storage (web/js/files.js).
    form.reading().set_data_folder(default_data_folder());
    platform.set_unload([&form] { form.Form_Unload(); });
    platform.set_dispatcher(
        [&form, &replayer](const WebAction& action) { dispatch_to_form(form, replayer, action); });
    // The page starts empty; the form knows the title screen's controls.
    platform.run_script([&form] {
        form.show_as_it_stands();
        form.Form_Load();
    });
    // Every action and timer runs through run_script, which keeps its exceptions; this is the
    // last line before JavaScript, which must never see one.
    try {
        platform.run_idle();
    } catch (...) {
        platform.fail("予期しないエラーが発生しました");
    }
    return 0;
}
