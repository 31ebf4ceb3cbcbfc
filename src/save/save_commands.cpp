// The save and load commands of the main window: the file dialog, the message boxes, and
// how play resumes at the loaded location.
#include <unistd.h>

#include "form/main_form.h"
#include "platform/data_folder.h"
#include "save/save_file.h"

namespace hazama {
namespace {

constexpr const char* kFilter = to_translate("ハザマセーブデータ(*.hzm)|*.hzm|");
constexpr char kExtension[] = "hzm";

// Where the dialog opens: the program's folder, ending in "/". An installed game cannot
// write there, so its saves go to the player's data folder, created on first use.
std::string initial_dir(const std::filesystem::path& root) {
    std::filesystem::path folder = root;
    if (::access(root.c_str(), W_OK) != 0) {
        const std::filesystem::path data = default_data_folder();
        std::error_code ec;
        if (!data.empty() && (std::filesystem::create_directories(data, ec) ||
                              std::filesystem::is_directory(data, ec))) {
            folder = data;
        }
    }
    std::string text = folder.string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

FileRequest file_request(const MainForm& form, bool save) {
    return FileRequest{save,
                       form.translated(save ? to_translate("ゲームデータの保存")
                                            : to_translate("ゲームデータの読み出し")),
                       initial_dir(form.root()), form.translated(kFilter), kExtension};
}

// The game's own words in the box; when a file failed, why and which file below them.
void refusal(MainForm& form, const char* japanese, const FileError* failure = nullptr) {
    const std::string text = form.translated(japanese);
    form.note("msgbox " + text);
    if (failure == nullptr) {
        form.platform().message_box(text, {});
        return;
    }
    form.note_file_error(*failure);
    form.platform().message_box(text, failure->reason() + "\n" + failure->path());
}

// The load in the runner's words: its values, so that a replay needs no file.
std::string load_command(int game, int position, int light, const std::string& music) {
    return "load-state game=" + std::to_string(game) + " position=" + std::to_string(position) +
           " light=" + std::to_string(light) + " music=" + music;
}

}  // namespace

void MainForm::comsave_Click() {
    stop_skip();
    const auto path = platform_.ask_file(file_request(*this, true));
    if (!path) return;
    try {
        if (savegame(*path, game, position, MusicFile, light) == 1) {
            refusal(*this, to_translate("書き込みエラー"));
        } else {
            platform_.tell(translated(to_translate("セーブしました")));
        }
    } catch (const FileError& failure) {
        // Not created, written or renamed into place: the player must not believe the game
        // is saved. An older file of that name is still whole.
        refusal(*this, to_translate("書き込みエラー"), &failure);
    }
}

void MainForm::comload_Click() {
    stop_skip();
    const auto path = platform_.ask_file(file_request(*this, false));
    if (!path) return;
    const std::string kept = MusicFile;
    music(0);
    int result = 1;
    std::optional<FileError> failure;
    try {
        result = loadgame(*path, game, position, MusicFile, light);
    } catch (const FileError& e) {
        // A file that exists but cannot be read is told like a refused one, with its reason,
        // and the music comes back rather than staying stopped.
        failure = e;
    }
    if (result == 1) {
        refusal(*this, to_translate("読み込みエラー"), failure ? &*failure : nullptr);
        throw_if_closing();
        music(kept);  // the old piece again, from its beginning
        return;
    }
    log_command(load_command(game, position, light, MusicFile));
    resume_loaded();
}

void MainForm::load_values(std::uint8_t saved_game, std::uint8_t saved_position,
                           std::uint8_t saved_light, const std::string& saved_music) {
    log_command(load_command(saved_game, saved_position, saved_light, saved_music));
    music(0);
    game = saved_game;
    position = saved_position;
    light = saved_light;
    MusicFile = saved_music;
    resume_loaded();
}

void MainForm::resume_loaded() {
    // The loaded story is read afresh: skip is off and the history marks where it began.
    stop_skip();
    reading_.history().add_divider();
    com_no();
    f00 = 0;
    start();
    com();
}

}  // namespace hazama
