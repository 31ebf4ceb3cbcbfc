// The right-click menu's entries and their state (menu.h).
#include "shell/menu.h"

#include "shell/settings.h"

namespace hazama {
namespace {

constexpr MenuEntry kEntries[] = {
    {MenuItem::continue_game, to_translate("続きから(&R)\tF9"), false, true},
    {MenuItem::history, to_translate("履歴(&H)\tPgUp")},
    {MenuItem::auto_advance, to_translate("オート(&A)\tF2"), true},
    {MenuItem::auto_speed, to_translate("オートの速さ(&V)"), false, false, true},
    {MenuItem::skip, to_translate("既読スキップ(&K)\tF3"), true, true},
    {MenuItem::fullscreen, to_translate("全画面(&U)\tF11"), true},
    {MenuItem::volume, to_translate("音量(&M)"), false, true, true},
    {MenuItem::copy_line, to_translate("この行をコピー(&C)\tCtrl+C")},
    {MenuItem::hide_text, to_translate("文字を隠す(&D)\t中ボタン")},
    {MenuItem::language, "言語 / Language (&L)", false, true, true, false},
    {MenuItem::save, to_translate("セーブ(&E)…\tF6")},
    {MenuItem::load, to_translate("ロード(&O)…\tF7")},
    {MenuItem::settings, to_translate("設定(&S)…"), false, true},
};
constexpr MenuChoice kSpeeds[] = {
    {static_cast<int>(AutoSpeed::slow), SettingsWords::kAutoSpeeds[0], true},
    {static_cast<int>(AutoSpeed::normal), SettingsWords::kAutoSpeeds[1], true},
    {static_cast<int>(AutoSpeed::fast), SettingsWords::kAutoSpeeds[2], true},
};
constexpr MenuChoice kVolumes[] = {
    {100, "100 %", false},           {75, "75 %", false}, {50, "50 %", false}, {25, "25 %", false},
    {0, SettingsWords::kMute, true},
};
constexpr MenuChoice kLanguages[] = {
    {static_cast<int>(Language::ja), SettingsWords::kLanguages[0], false},
    {static_cast<int>(Language::en), SettingsWords::kLanguages[1], false},
};
static_assert(std::size(kVolumes) == kVolumeSteps.size());

}  // namespace

std::span<const MenuEntry> menu_entries() {
    return kEntries;
}

std::span<const MenuChoice> menu_choices(MenuItem item) {
    switch (item) {
        case MenuItem::auto_speed:
            return kSpeeds;
        case MenuItem::volume:
            return kVolumes;
        case MenuItem::language:
            return kLanguages;
        default:
            return {};
    }
}

bool MenuState::shown(MenuItem item) const {
    return item != MenuItem::continue_game || at_title;
}

bool MenuState::enabled(MenuItem item) const {
    switch (item) {
        case MenuItem::history:
        case MenuItem::hide_text:
            return history_allowed;
        case MenuItem::copy_line:
            return has_line;
        case MenuItem::save:
            return !at_title;
        case MenuItem::back_to_title:
            return !at_title && history_allowed;
        default:
            return true;
    }
}

bool MenuState::checked(MenuItem item) const {
    switch (item) {
        case MenuItem::auto_advance:
            return auto_on;
        case MenuItem::skip:
            return skip_on;
        case MenuItem::fullscreen:
            return fullscreen;
        default:
            return false;
    }
}

int MenuState::chosen(MenuItem item) const {
    switch (item) {
        case MenuItem::auto_speed:
            return static_cast<int>(auto_speed);
        case MenuItem::volume:
            return volume;
        case MenuItem::language:
            return static_cast<int>(language);
        default:
            return -1;
    }
}

}  // namespace hazama
