// Parsing the media command strings the game sends.
#include "audio/media_command.h"

#include <sstream>
#include <vector>

namespace hazama {
namespace {

std::vector<std::string> words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
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
            result.alias = rest[1];
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
    result.alias = w[1];
    return result;
}

}  // namespace hazama
