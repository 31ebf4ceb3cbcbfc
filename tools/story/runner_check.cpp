// The runner's command language (runner_check.h).
#include "runner_check.h"

#include <charconv>
#include <sstream>

#include "replay/slot_file.h"
#include "text/catalogue.h"

namespace hazama {

std::vector<std::string> split(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool to_number(const std::string& text, long& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

void check_command(const std::vector<std::string>& w) {
    const std::string& verb = w[0];
    long n = 0;
    auto arity = [&](std::size_t count) {
        if (w.size() != count)
            throw BadLine{"'" + verb + "' takes " + std::to_string(count - 1) + " argument(s)"};
    };
    if (verb == "new" || verb == "look" || verb == "talk" || verb == "music-ends" ||
        verb == "quit") {
        arity(1);
    } else if (verb == "move") {
        arity(2);
        if (w[1] != "close" && !(to_number(w[1], n) && n >= 0 && n <= 3)) {
            throw BadLine{"move takes a button 0..3 or 'close'"};
        }
    } else if (verb == "history") {
        arity(1);
    } else if (verb == "lang") {
        arity(2);
        if (!language_named(w[1])) throw BadLine{"lang takes 'en' or 'ja'"};
    } else if (verb == "auto" || verb == "skip" || verb == "ctrl" || verb == "text" ||
               verb == "skip-mode") {
        arity(2);
        const std::string& a = w[1];
        const bool speed = a == "slow" || a == "normal" || a == "fast";
        const bool known = verb == "auto"        ? (a == "on" || a == "off" || speed)
                           : verb == "text"      ? (a == "instant" || speed)
                           : verb == "skip"      ? (a == "on" || a == "off")
                           : verb == "skip-mode" ? (a == "read" || a == "all")
                                                 : (a == "down" || a == "up");
        if (!known) throw BadLine{"unknown setting '" + a + "' for " + verb};
    } else if (verb == "save" || verb == "load" || verb == "snapshot") {
        if (w.size() < 2) throw BadLine{"'" + verb + "' needs a path"};
    } else if (verb == "wait") {
        arity(2);
        if (!to_number(w[1], n) || n < 0) throw BadLine{"wait takes milliseconds"};
    } else if (verb == "set") {
        if (w.size() < 2) throw BadLine{"set needs NAME=VALUE"};
        for (std::size_t i = 1; i < w.size(); ++i) {
            const auto eq = w[i].find('=');
            if (eq == std::string::npos) throw BadLine{"set needs NAME=VALUE: " + w[i]};
            const std::string name = w[i].substr(0, eq);
            if (name == "music") continue;
            if (name != "game" && name != "position" && name != "light" && name != "x00" &&
                name != "f00") {
                throw BadLine{"unknown state '" + name + "'"};
            }
            if (!to_number(w[i].substr(eq + 1), n) || n < 0 || n > 255) {
                throw BadLine{name + " takes a number 0..255"};
            }
        }
    } else if (verb == "go" || verb == "quicksave" || verb == "quickload") {
        arity(1);
    } else if (verb == "back") {
        arity(2);
        if (!to_number(w[1], n) || n < 1 || n > 1000000)
            throw BadLine{"back takes a count of lines"};
    } else if (verb == "step") {
        arity(2);
        if (w[1] != "back" && w[1] != "forward") throw BadLine{"step takes 'back' or 'forward'"};
    } else if (verb == "slot") {
        arity(3);
        if (w[1] != "save" && w[1] != "load") throw BadLine{"slot takes 'save' or 'load'"};
        if (!slot_name_ok(w[2])) throw BadLine{"a slot's name is letters, digits, - and _"};
    } else if (verb == "load-state") {
        if (w.size() < 5) throw BadLine{"load-state takes game= position= light= music="};
    } else {
        throw BadLine{"unknown command '" + verb + "'"};
    }
}

}  // namespace hazama
