// The staff roll text gra/staff.txt: its list of items, and the credits picked from it.
#include "sequences/staff_file.h"

#include "form/main_form.h"
#include "platform/player_file.h"

namespace hazama {
namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool is_line_end(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::vector<std::string> parse_list_items(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string> items;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        while (i < n && is_blank(text[i])) ++i;
        std::string item;
        if (i < n && text[i] == '"') {
            const std::size_t close = text.find_first_of("\"\r\n", i + 1);
            const std::size_t end = close == std::string_view::npos ? n : close;
            item = std::string(text.substr(i + 1, end - i - 1));
            i = end;
            if (i < n && text[i] == '"') ++i;
            // Whatever follows the closing quote up to the separator is not part of it.
            while (i < n && text[i] != ',' && !is_line_end(text[i])) ++i;
        } else {
            const std::size_t start = i;
            while (i < n && text[i] != ',' && !is_line_end(text[i])) ++i;
            std::size_t end = i;
            while (end > start && is_blank(text[end - 1])) --end;
            item = std::string(text.substr(start, end - start));
        }
        items.push_back(std::move(item));
        if (i < n && text[i] == ',') {
            ++i;
            // A comma at the end of a line or of the text still ends an (empty) item.
            if (i == n || is_line_end(text[i])) items.emplace_back();
        }
        if (i < n && text[i] == '\r') ++i;
        if (i < n && text[i] == '\n') ++i;
    }
    return items;
}

std::vector<std::string> read_staff_items(const std::filesystem::path& file) {
    try {
        return parse_list_items(read_player_file(file, kLargestStaffFile));
    } catch (const FileError& failure) {
        throw FatalError("スタッフファイルを読み込めません: " + file.string() + " (" +
                         failure.reason() + ")");
    }
}

std::string credit_after(const std::vector<std::string>& items, std::string_view role) {
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
        if (items[i] != role) continue;
        std::string_view name = items[i + 1];
        for (;;) {
            if (!name.empty() && is_blank(name.front())) {
                name.remove_prefix(1);
            } else if (name.substr(0, kIdeographicSpace.size()) == kIdeographicSpace) {
                name.remove_prefix(kIdeographicSpace.size());
            } else {
                break;
            }
        }
        return std::string(name);
    }
    return {};
}

}  // namespace hazama
