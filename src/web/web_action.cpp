// What the page posts (web_action.h).
#include "web/web_action.h"

namespace hazama {

WebAction parse_action(std::string_view text) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos) return {std::string(text), {}};
    return {std::string(text.substr(0, space)), std::string(text.substr(space + 1))};
}

bool answers_dialog(const WebAction& action) {
    return action.kind == "chosen" || action.kind == "file" || action.kind == "file-cancel" ||
           action.kind == "ok" || action.kind == "yes" || action.kind == "no" ||
           action.kind == "slot" || action.kind == "setting";
}

}  // namespace hazama
