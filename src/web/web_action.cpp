// What the page posts (web_action.h).
#include "web/web_action.h"

namespace hazama {

WebAction parse_action(std::string_view text) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos) return {std::string(text), {}};
    return {std::string(text.substr(0, space)), std::string(text.substr(space + 1))};
}

std::string_view dialog_answered(const WebAction& action) {
    const std::string& kind = action.kind;
    if (kind == "chosen") return "chooser";
    if (kind == "file" || kind == "file-cancel") return "file";
    if (kind == "ok") return "message";
    if (kind == "yes" || kind == "no") return "question";
    if (kind == "slot") return "slots";
    if (kind == "setting") return "settings";
    return {};
}

}  // namespace hazama
