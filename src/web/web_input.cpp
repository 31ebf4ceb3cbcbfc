// The player's actions in the browser (web_input.h).
#include "web/web_input.h"

#include <cstdlib>
#include <string>
#include <utility>

#include "form/main_form.h"
#include "shell/session.h"
#include "web/json_text.h"
#include "web/page_bridge.h"
#include "web/web_face.h"
#include "web/web_platform.h"

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

// The keys by the names the page gives them (web/js/input.js).
const std::pair<std::string_view, Key> kKeys[] = {
    {"space", Key::space},
    {"enter", Key::enter},
    {"tab", Key::tab},
    {"escape", Key::escape},
    {"pageup", Key::page_up},
    {"pagedown", Key::page_down},
    {"home", Key::home},
    {"end", Key::end},
    {"up", Key::up},
    {"down", Key::down},
    {"left", Key::left},
    {"right", Key::right},
    {"f2", Key::f2},
    {"f3", Key::f3},
    {"f5", Key::f5},
    {"f6", Key::f6},
    {"f7", Key::f7},
    {"f9", Key::f9},
    {"f10", Key::f10},
    {"f11", Key::f11},
    {"menu", Key::menu},
    {"c", Key::c},
    {"z", Key::z},
    {"y", Key::y},
    {"insert", Key::insert},
    {"control", Key::control},
    {"shift", Key::shift},
    {"alt", Key::alt},
    {"meta", Key::meta},
    {"other", Key::other},
};

// The quick-menu bar's buttons, each what a key or the menu does.
const std::pair<std::string_view, Do> kBar[] = {
    {"history", Do::open_history}, {"auto", Do::toggle_auto}, {"skip", Do::toggle_skip},
    {"save", Do::save_slots},      {"load", Do::load_slots},  {"qsave", Do::quick_save},
    {"qload", Do::quick_load},     {"back", Do::go_back},     {"hide", Do::hide_text},
    {"menu", Do::open_menu},
};

// The words of the history panel's keys for the page.
const char* history_word(Do action) {
    switch (action) {
        case Do::history_previous:
            return "previous";
        case Do::history_next:
            return "next";
        case Do::history_page_up:
            return "pageup";
        case Do::history_page_down:
            return "pagedown";
        case Do::history_start:
            return "start";
        case Do::history_end:
            return "end";
        default:
            return "escape";
    }
}

std::vector<std::string_view> words_of(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const auto space = text.find(' ');
        words.push_back(text.substr(0, space));
        if (space == std::string_view::npos) break;
        text.remove_prefix(space + 1);
    }
    return words;
}

}  // namespace

std::optional<KeyInput> parse_key(std::string_view text) {
    const auto words = words_of(text);
    if (words.size() != 4 || (words[0] != "down" && words[0] != "up")) return std::nullopt;
    KeyInput input;
    input.press = words[0] == "down";
    bool known = false;
    for (const auto& [name, key] : kKeys) {
        if (name == words[1]) {
            input.key = key;
            known = true;
        }
    }
    if (!known) return std::nullopt;
    for (const char flag : words[2]) {
        input.auto_repeat |= flag == 'r';
        input.ctrl |= flag == 'c';
        input.alt |= flag == 'a';
        input.shift |= flag == 's';
    }
    const long code = std::strtol(std::string(words[3]).c_str(), nullptr, 10);
    input.text = code > 0 && code <= 0x10FFFF ? static_cast<char32_t>(code) : char32_t{0};
    return input;
}

InputContext WebInput::context() const {
    return session_.context(history_open_, history_open_ && history_chosen_ >= 0);
}

void WebInput::handle(const WebAction& action) {
    MainForm& form = session_.form();
    const std::string_view kind = action.kind;
    if (kind == "command") {
        for (const ButtonName& b : kButtonNames) {
            if (action.argument != b.command) continue;
            // As a click on the page can only press a button that is shown and enabled.
            if (!form.visible(b.control) || !form.enabled(b.control)) return;
            if (history_open_) close_history();
            session_.click(button_handler(b.control));
            return;
        }
    } else if (kind == "click") {
        // A click on a release input. Its press may show the hidden text or close the
        // history instead, and then it releases nothing.
        const Do pressed = decide_button(Button::left, Press::down, context());
        if (pressed == Do::pass) {
            face_.run_script([&form] { form.Form_Click(); });
        } else {
            act(pressed);
        }
    } else if (kind == "key") {
        if (const auto input = parse_key(action.argument)) key(*input);
    } else if (kind == "button") {
        const auto words = words_of(action.argument);
        if (words.size() != 2) return;
        const Button which = words[0] == "right"    ? Button::right
                             : words[0] == "middle" ? Button::middle
                                                    : Button::other;
        const Press press = words[1] == "down" ? Press::down : Press::up;
        button(which, press);
    } else if (kind == "wheel") {
        const auto words = words_of(action.argument);
        if (words.size() != 2) return;
        wheel(std::atoi(std::string(words[0]).c_str()), std::atoi(std::string(words[1]).c_str()));
    } else if (kind == "bar") {
        for (const auto& [name, done] : kBar) {
            if (name == action.argument) act(done);
        }
        if (action.argument == "settings") session_.open_settings();
    } else if (kind == "menu") {
        menu_chosen(action.argument);
    } else if (kind == "menu-closed") {
        menu_open_ = false;
        form.set_menu_open(false);
    } else if (kind == "history-chosen") {
        history_chosen_ = std::atoi(action.argument.c_str());
    } else if (kind == "history-go") {
        go_back_to(std::atoi(action.argument.c_str()));
    } else if (kind == "history-closed") {
        if (history_open_) {
            history_open_ = false;
            form.close_history();
        }
    } else if (kind == "left") {
        left();
    }
}

void WebInput::left() {
    session_.perform(Do::ctrl_up);
    session_.perform(Do::peek_off);
    session_.positions().autosave();
    session_.choices().remember();
}

void WebInput::key(const KeyInput& input) {
    const Do action = decide_key(input, context());
    switch (action) {
        case Do::pass:
            return;
        case Do::history_close:
            // Closed, and the same key goes on to release the line.
            close_history();
            act(Do::release, &input);
            return;
        case Do::history_previous:
        case Do::history_next:
        case Do::history_page_up:
        case Do::history_page_down:
        case Do::history_start:
        case Do::history_end:
        case Do::history_escape:
            history_key(action);
            return;
        case Do::history_go:
            go_back_to(history_chosen_);
            return;
        default:
            act(action, &input);
    }
}

void WebInput::button(Button which, Press press) {
    const Do action = decide_button(which, press, context());
    if (action == Do::history_pointer) {
        close_history();
        return;
    }
    if (action != Do::pass) act(action);
}

void WebInput::wheel(int up, int left) {
    switch (wheel_.turn(up, left, context())) {
        case Wheel::Turn::show_text:
            session_.perform(Do::show_text);
            break;
        case Wheel::Turn::open_history:
            open_history();
            break;
        case Wheel::Turn::scroll_up:
            page::history_do("previous");
            break;
        case Wheel::Turn::scroll_down:
            page::history_do("scrolldown");
            break;
        case Wheel::Turn::go_back:
            session_.step_back();
            break;
        case Wheel::Turn::go_forward:
            session_.step_forward();
            break;
        case Wheel::Turn::none:
            break;
    }
}

void WebInput::act(Do action, const KeyInput* key) {
    switch (action) {
        case Do::open_history:
            open_history();
            return;
        case Do::open_menu:
            open_menu();
            return;
        case Do::history_close:
        case Do::history_pointer:
            close_history();
            return;
        default:
            session_.perform(action, key);
    }
}

void WebInput::open_history() {
    if (history_open_ || !session_.open_history()) return;
    history_open_ = true;
    history_chosen_ = -1;
    lines_back_ = session_.history_lines_back();
    const auto& entries = session_.history_entries();
    JsonWriter json;
    json.open('{');
    json.key("title").text(face_.words("履歴"));
    json.key("empty").text(face_.words("履歴はまだありません"));
    json.key("back").text(face_.words("この行に戻る"));
    json.key("refused").text(face_.words("ロードより前の行には戻れません"));
    json.key("close").text(face_.words("閉じる"));
    json.key("entries").open('[');
    std::size_t i = 0;
    for (const HistoryEntry& entry : entries) {
        const int back = i < lines_back_.size() ? lines_back_[i] : -1;
        json.open('{').key("text").text(entry.text).key("divider").boolean(entry.divider);
        json.key("back").number(back).close();
        ++i;
    }
    json.close().close();
    page::show_history(json.str());
}

void WebInput::close_history() {
    if (!history_open_) return;
    history_open_ = false;
    history_chosen_ = -1;
    page::close_history();
    session_.form().close_history();
}

void WebInput::history_key(Do action) {
    if (action == Do::history_escape && history_chosen_ < 0) {
        close_history();
        return;
    }
    page::history_do(history_word(action));
}

void WebInput::go_back_to(int entry) {
    const int lines = entry >= 0 && static_cast<std::size_t>(entry) < lines_back_.size()
                          ? lines_back_[static_cast<std::size_t>(entry)]
                          : -1;
    close_history();
    if (lines >= 0) session_.go_back(lines);
}

void WebInput::open_menu() {
    const MenuState state = session_.menu_state();
    JsonWriter json;
    json.open('[');
    for (const MenuEntry& entry : menu_entries()) {
        if (!state.shown(entry.item)) continue;
        json.open('{');
        json.key("item").number(static_cast<int>(entry.item));
        json.key("caption").text(entry.translated ? face_.words(entry.caption) : entry.caption);
        json.key("checkable").boolean(entry.checkable);
        json.key("checked").boolean(state.checked(entry.item));
        json.key("enabled").boolean(state.enabled(entry.item));
        json.key("separator").boolean(entry.separator_after);
        json.key("choices").open('[');
        for (const MenuChoice& choice : menu_choices(entry.item)) {
            json.open('{').key("value").number(choice.value);
            json.key("caption").text(choice.translated ? face_.words(choice.caption)
                                                       : choice.caption);
            json.key("checked").boolean(state.chosen(entry.item) == choice.value).close();
        }
        json.close().close();
    }
    json.close();
    menu_open_ = true;
    session_.form().set_menu_open(true);
    page::show_menu(json.str());
}

// "ITEM VALUE CHECKED": the entry, a submenu's value, a checkable entry's new check.
void WebInput::menu_chosen(std::string_view argument) {
    const auto words = words_of(argument);
    if (menu_open_) {
        menu_open_ = false;
        session_.form().set_menu_open(false);
    }
    if (words.size() != 3) return;
    const int item = std::atoi(std::string(words[0]).c_str());
    if (item < 0 || item > static_cast<int>(MenuItem::settings)) return;
    const auto chosen = static_cast<MenuItem>(item);
    if (!session_.menu_state().enabled(chosen)) return;
    if (chosen == MenuItem::history) {
        open_history();
        return;
    }
    session_.choose(chosen, std::atoi(std::string(words[1]).c_str()), words[2] == "1");
}

}  // namespace hazama
