// The player's remembered choices (fullscreen, the window's size, volume, auto-advance, skip,
// the text display, the copied lines, the language, the history in both languages): their
// names, values, defaults and checks, the words the settings screen shows for them, and the
// file that keeps them between runs. Either face reads and writes them through here.
#pragma once

#include <array>
#include <concepts>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/data_folder.h"  // settings_file_path
#include "platform/settings_file.h"
#include "reading/reading.h"  // AutoSpeed, SkipMode, TextSpeed
#include "text/catalogue.h"

namespace hazama {

// The volume steps the player chooses from, in percent; 0 is mute.
inline constexpr std::array<int, 5> kVolumeSteps = {100, 75, 50, 25, 0};
// The window's sizes when not fullscreen, in percent of the design's 634 × 463.
inline constexpr std::array<int, 3> kWindowSizes = {100, 150, 200};
// The window's size at a start with none remembered: the largest of kWindowSizes whose
// client area fits within three quarters of the screen's width and of its height (in the
// same pixels); the smallest when none does.
int first_window_size(int screen_width, int screen_height);

// Where a settings file lies, as either face names a path: a std::string, a
// std::filesystem::path, or a string type of the face's toolkit that gives a std::string
// (the desktop's QString) — so the core needs no include of it.
struct SettingsFile {
    std::filesystem::path path;
    SettingsFile(const char* name) : path(name) {}
    SettingsFile(std::string name) : path(std::move(name)) {}
    SettingsFile(std::filesystem::path name) : path(std::move(name)) {}
    template <typename Text>
    requires requires(const Text& t) {
        { t.toStdString() } -> std::convertible_to<std::string>;
    }
    SettingsFile(const Text& name) : path(name.toStdString()) {}
};

struct Settings {
    bool fullscreen = false;
    int volume = 100;  // one of kVolumeSteps
    bool auto_advance = false;
    AutoSpeed auto_speed = AutoSpeed::normal;
    bool skip_read = false;
    SkipMode skip_mode = SkipMode::read;
    TextSpeed text_speed = TextSpeed::instant;
    int window_size = 100;    // one of kWindowSizes
    bool copy_lines = false;  // every line that waits goes to the clipboard
    // The language the player chose; none chosen: the desktop's language decides.
    std::optional<Language> language = std::nullopt;
    bool history_both = false;  // the history lists the English under each Japanese line

    bool operator==(const Settings&) const = default;

    // The choices as the settings file holds them (platform/settings_file.h: "[General]"
    // and one "name=value" line a choice, the layout the desktop has always written, so a
    // file of an earlier build reads the same).
    SettingValues values() const;
    std::string to_text() const { return encode_settings(values()); }
    // The choices in those values. A value that is missing or makes no sense gives that
    // value's default.
    static Settings from_values(const SettingValues& values);
    static Settings from_text(std::string_view text) { return from_values(parse_settings(text)); }

    // The choices in the file at `file` (settings_file_path(), for the player). A file
    // that is missing or cannot be read (a folder, a special file, one far too large) gives
    // the defaults. Nothing is reported: remembered choices are a convenience.
    static Settings load(const SettingsFile& file);
    // Writes every choice through the one atomic write (the file is never half written,
    // and nothing is left beside it); creates the folder. False when it could not.
    bool save(const SettingsFile& file) const;
};

// The language the game starts in: `forced` (hazama --lang) over the player's remembered
// choice over the desktop's language.
Language starting_language(std::optional<Language> forced, std::optional<Language> remembered,
                           Language desktop);

// ---- the settings screen's words (Japanese: the keys of what is shown) ----
struct SettingsWords {
    static constexpr const char* kTitle = to_translate("設定");
    static constexpr const char* kTextSpeedLabel = to_translate("文字の表示(&T)");
    static constexpr std::array<const char*, 4> kTextSpeeds = {
        to_translate("一度に表示"), to_translate("一文字ずつ（遅い）"),
        to_translate("一文字ずつ（普通）"), to_translate("一文字ずつ（速い）")};
    static constexpr const char* kAutoSpeedLabel = to_translate("オートの速さ(&A)");
    static constexpr std::array<const char*, 3> kAutoSpeeds = {
        to_translate("遅い"), to_translate("普通"), to_translate("速い")};
    static constexpr const char* kSkipLabel = to_translate("スキップ(&K)");
    static constexpr std::array<const char*, 2> kSkipModes = {to_translate("既読の文章だけ"),
                                                              to_translate("すべての文章")};
    static constexpr const char* kVolumeLabel = to_translate("音量(&M)");
    static constexpr const char* kMute = to_translate("消音");
    static constexpr const char* kWindowSizeLabel = to_translate("ウィンドウの大きさ(&W)");
    static constexpr const char* kWindowSize = to_translate("%1 倍");
    // The language list is named in both languages, and each language by its own name.
    static constexpr const char* kLanguageLabel = "言語(&L) / Language";
    static constexpr std::array<const char*, 2> kLanguages = {"日本語", "English"};
    static constexpr const char* kFullscreen = to_translate("全画面で表示する(&U)");
    static constexpr const char* kCopyLines =
        to_translate("新しい行をクリップボードにコピーする(&C)");
    static constexpr const char* kHistoryBoth =
        to_translate("日本語のとき、履歴の各行の下に英語を表示する(&E)");
    static constexpr const char* kHelp = to_translate(
        "スキップは移動先を選ぶときに止まります。Ctrl+C でいまの行をコピー、"
        "中ボタンで文字を隠します。Esc で閉じます。");
    static constexpr const char* kClose = to_translate("閉じる");
    static constexpr const char* kBackToTitle = to_translate("タイトルへ戻る(&B)…");
};

// The place of `value` among `steps`; 0 when it is none of them.
template <std::size_t N>
int step_index(const std::array<int, N>& steps, int value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (steps[i] == value) return static_cast<int>(i);
    }
    return 0;
}

// A volume as the menu and the settings screen show it, to be translated: "75 %", or the
// mute's word for 0.
std::string volume_caption(int percent);

}  // namespace hazama
