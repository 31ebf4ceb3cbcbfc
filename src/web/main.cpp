// The web edition: the game's session on the browser's platform, driven by the page's actions.
#include <emscripten.h>

#include "form/main_form.h"
#include "platform/data_folder.h"
#include "replay/slot_file.h"
#include "shell/session.h"
#include "web/web_face.h"
#include "web/web_input.h"
#include "web/web_media_device.h"
#include "web/web_platform.h"
#include "web/web_storage.h"

namespace {

// Where the page lays out the game's files in the module's memory (web/js/files.js).
constexpr char kRoot[] = "/hazama";

// The language the page asks for (?lang=en), if it asks for one.
EM_JS(int, hz_forced_language, (), {
    const lang = new URLSearchParams(location.search).get('lang');
    return lang == 'en' ? 1 : lang == 'ja' ? 0 : -1;
});

}  // namespace

int main() {
    using namespace hazama;
    WebMediaDevice device(kRoot);
    WebPlatform platform(device, kRoot);
    WebFace face(platform);
    keep_player_files_in_storage();
    // $HOME/.local/share/hazama: the page keeps it in the browser's storage (web/js/files.js),
    // the remembered choices with the slots.
    const std::filesystem::path data = default_data_folder();
    Session session(platform, device, face, {.root = kRoot, .data = data});
    MainForm& form = session.form();
    const auto translate = [&form](const char* japanese) { return form.translated(japanese); };
    face.set_translate(translate);
    platform.set_translate(translate);
    form.reading().set_data_folder(data);
    WebInput input(platform, session, face);
    platform.set_unload([&session] { session.unload(); });
    platform.set_has_save([&session] { return session.positions().newest().has_value(); });
    // A tab closed or reloaded at once cannot wait for the storage: the automatic slot is
    // ready at every line.
    platform.set_on_line([&session, &data] {
        keep_automatic_slot_ready(slot_path(data, PositionKeeper::kAutoSlot),
                                  session.positions().automatic_slot_file());
    });
    platform.set_dispatcher([&input](const WebAction& action) { input.handle(action); });
    const int forced = hz_forced_language();
    // The page starts empty; the form knows the title screen's controls.
    platform.run_script([&] {
        form.show_as_it_stands();
        form.Form_Load();
        // The browser's own language is not asked: the game is Japanese unless chosen.
        session.choices().use_settings(
            data / "settings.ini",
            forced < 0 ? std::nullopt : std::optional(forced == 1 ? Language::en : Language::ja),
            Language::ja);
        face.set_language(form.language());
    });
    // Every action and timer runs through run_script, which keeps its exceptions; this is the
    // last line before JavaScript, which must never see one.
    try {
        platform.run_idle();
    } catch (...) {
        platform.fail_unexpectedly();
    }
    return 0;
}
