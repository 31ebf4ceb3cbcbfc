// Parsing the media command strings the game sends.
#include "audio/media_command.h"

#include <algorithm>
#include <vector>

namespace hazama {
namespace {

// Splits on spaces without building a stream: the music watcher sends a status command a
// hundred times a second.
std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t", at);
        if (at == std::string_view::npos) return out;
        const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
        out.push_back(text.substr(at, end - at));
        at = end;
    }
}

}  // namespace

MediaCommand parse_media_command(std::string_view command) {
    MediaCommand result;
    if (command.starts_with("open \"")) {
        const auto close_quote = command.find('"', 6);
        if (close_quote == std::string_view::npos) return result;
        const auto rest = words(command.substr(close_quote + 1));
        if ((rest.size() == 2 || (rest.size() == 3 && rest[2] == "notify")) && rest[0] == "alias") {
            result.kind = MediaCommand::Kind::open;
            result.path = std::string(command.substr(6, close_quote - 6));
            result.alias = std::string(rest[1]);
        }
        return result;
    }
    const auto w = words(command);
    if (w.size() == 2 && w[0] == "play") {
        result.kind = MediaCommand::Kind::play;
    } else if (w.size() == 2 && w[0] == "close") {
        result.kind = MediaCommand::Kind::close;
    } else if (w.size() == 3 && w[0] == "status" && w[2] == "mode") {
        result.kind = MediaCommand::Kind::status_mode;
    } else if (w.size() == 4 && w[0] == "seek" && w[2] == "to" && w[3] == "start") {
        result.kind = MediaCommand::Kind::seek_start;
    } else {
        return result;
    }
    result.alias = std::string(w[1]);
    return result;
}

}  // namespace hazama
