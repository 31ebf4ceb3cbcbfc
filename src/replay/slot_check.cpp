// The checks a position passes before it is replayed or written (slot_check.h).
#include "replay/slot_check.h"

#include <charconv>
#include <vector>

#include "save/save_file.h"

namespace hazama {
namespace {

std::vector<std::string_view> words_of(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(' ', at)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

bool number_in(std::string_view text, int last, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0 &&
           value <= last && (text.size() == 1 || text.front() != '0');
}

// "NAME=VALUE" with NAME as given; the value in `value`.
bool named(std::string_view word, std::string_view name, std::string_view& value) {
    if (!word.starts_with(name) || word.size() <= name.size() || word[name.size()] != '=')
        return false;
    value = word.substr(name.size() + 1);
    return true;
}

bool load_state_ok(std::string_view command, std::string& why) {
    constexpr std::string_view kMusic = " music=";
    const auto music = command.find(kMusic);
    const std::vector<std::string_view> w = words_of(command.substr(0, music));
    std::string_view value;
    int game = 0, position = 0, light = 0;
    if (music == std::string_view::npos || w.size() != 4 || !named(w[1], "game", value) ||
        !number_in(value, 255, game) || !named(w[2], "position", value) ||
        !number_in(value, 255, position) || !named(w[3], "light", value) ||
        !number_in(value, 255, light)) {
        why = "a load is not written as the game writes it";
        return false;
    }
    if (!saved_values_ok(game, position, light)) {
        why = "a load holds values no save file can";
        return false;
    }
    if (!music_name_ok(command.substr(music + kMusic.size()))) {
        why = "a load names music no save file can";
        return false;
    }
    return true;
}

bool set_ok(const std::vector<std::string_view>& w, std::string& why) {
    if (w.size() < 2) {
        why = "a set sets nothing";
        return false;
    }
    constexpr struct {
        std::string_view name;
        int last;
    } kValues[] = {{"game", kLastGame},
                   {"position", kLastPosition},
                   {"light", kLastLight},
                   {"x00", kLastX00},
                   {"f00", kLastF00}};
    for (std::size_t i = 1; i < w.size(); ++i) {
        std::string_view value;
        if (named(w[i], "music", value)) {
            if (!music_name_ok(value)) {
                why = "a set names music no save file can";
                return false;
            }
            continue;
        }
        bool known = false;
        for (const auto& [name, last] : kValues) {
            int number = 0;
            if (!named(w[i], name, value)) continue;
            known = true;
            if (!number_in(value, last, number)) {
                why = "a set gives " + std::string(name) + " a value no play can";
                return false;
            }
        }
        if (!known) {
            why = "a set names no state of the game";
            return false;
        }
    }
    return true;
}

}  // namespace

bool command_ok(std::string_view command, std::string& why) {
    if (command.find_first_of(std::string_view("\r\n\t\0", 4)) != std::string_view::npos) {
        why = "a command holds a control character";
        return false;
    }
    const std::vector<std::string_view> w = words_of(command);
    if (w.empty()) {
        why = "a command is empty";
        return false;
    }
    if (w[0] == "load-state") return load_state_ok(command, why);
    if (w[0] == "set") return set_ok(w, why);
    int button = 0;
    const bool ok =
        ((w[0] == "new" || w[0] == "look" || w[0] == "talk") && w.size() == 1) ||
        (w[0] == "move" && w.size() == 2 && (w[1] == "close" || number_in(w[1], 3, button)));
    if (!ok) why = "a command the game does not know: " + std::string(command.substr(0, 60));
    return ok;
}

bool position_ok(const Position& position, std::string& why) {
    if (position.commands.size() > kMostCommands) {
        why = "it holds more commands than any play";
        return false;
    }
    int lines = 0;
    for (const LoggedCommand& c : position.commands) {
        if (!command_ok(c.text, why)) return false;
        if (c.messages_before < lines || c.messages_before > kMostLines) {
            why = "its count of lines goes back";
            return false;
        }
        lines = c.messages_before;
    }
    if (position.message < lines || position.message > kMostLines ||
        (position.at_line && position.message < 1)) {
        why = "it does not say a line that play reached";
        return false;
    }
    return true;
}

bool listed_picture_ok(std::string_view name) {
    if (!name.starts_with("gra/") || name.size() > 255) return false;
    std::size_t at = 0;
    while (at <= name.size()) {
        const std::size_t end = std::min(name.find('/', at), name.size());
        const std::string_view part = name.substr(at, end - at);
        if (part.empty() || part == "." || part == "..") return false;
        at = end + 1;
    }
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F || c == '\\') return false;
    }
    return true;
}

}  // namespace hazama
