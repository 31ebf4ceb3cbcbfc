// The names between the module's folders and the page (web_files.h).
#include "web/web_files.h"

#include <algorithm>
#include <filesystem>

namespace hazama {
namespace {

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::string> site_url(std::string_view root, std::string_view path) {
    std::string prefix(root);
    if (prefix.empty() || prefix.back() != '/') prefix += '/';
    if (path.substr(0, prefix.size()) != prefix) return std::nullopt;
    const std::string_view rest = path.substr(prefix.size());
    std::string url;
    std::size_t start = 0;
    while (start <= rest.size()) {
        const std::size_t end = std::min(rest.find('/', start), rest.size());
        const std::string_view part = rest.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return std::nullopt;
        if (!url.empty()) url += '/';
        for (const char ch : part) {
            const auto c = static_cast<unsigned char>(ch);
            if (unreserved(c)) {
                url += ch;
            } else {
                static constexpr char kHex[] = "0123456789ABCDEF";
                url += '%';
                url += kHex[c >> 4];
                url += kHex[c & 15];
            }
        }
        start = end + 1;
    }
    return url;
}

std::vector<std::string> files_with_extension(const std::string& folder,
                                              std::string_view extension) {
    std::vector<std::string> names;
    const std::string ending = "." + lower(extension);
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file(ec) || name.size() <= ending.size()) continue;
        if (lower(name.substr(name.size() - ending.size())) == ending) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string joined_lines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        if (!out.empty()) out += '\n';
        out += line;
    }
    return out;
}

std::optional<std::string> file_in(const std::string& folder, std::string_view typed,
                                   std::string_view extension) {
    const std::string_view name = trimmed(typed);
    if (name.empty() || name == "." || name == "..") return std::nullopt;
    for (const char ch : name) {
        if (ch == '/' || ch == '\\' || static_cast<unsigned char>(ch) < 0x20) return std::nullopt;
    }
    std::string file(name);
    // As the desktop's dialog adds its default suffix: only to a name without any.
    const auto dot = file.rfind('.');
    if (dot == std::string::npos || dot == 0) {
        file += '.';
        file += extension;
    } else if (dot + 1 == file.size()) {
        file += extension;
    }
    std::string path = folder;
    if (!path.empty() && path.back() != '/') path += '/';
    return path + file;
}

}  // namespace hazama
