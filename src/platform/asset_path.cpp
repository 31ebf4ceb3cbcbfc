// Finding a game file below the program folder, with the case-insensitive fallback.
#include "platform/asset_path.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace hazama {
namespace {

bool same_ignoring_case(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::vector<std::string> components(std::string_view game_path) {
    std::vector<std::string> parts;
    std::string current;
    const auto end_part = [&] {
        if (!current.empty() && current != "." && current != "..") parts.push_back(current);
        current.clear();
    };
    for (char c : game_path) {
        if (c == '\\' || c == '/') {
            end_part();
        } else {
            current += c;
        }
    }
    end_part();
    return parts;
}

}  // namespace

std::filesystem::path find_asset(const std::filesystem::path& root, std::string_view game_path) {
    namespace fs = std::filesystem;
    const std::vector<std::string> parts = components(game_path);
    fs::path exact = root;
    for (const auto& part : parts) exact /= part;
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact;

    fs::path found = root;
    for (const auto& part : parts) {
        fs::path next = found / part;
        if (!fs::exists(next, ec)) {
            bool matched = false;
            for (const auto& entry : fs::directory_iterator(found, ec)) {
                if (same_ignoring_case(entry.path().filename().string(), part)) {
                    next = entry.path();
                    matched = true;
                    break;
                }
            }
            if (!matched) return exact;
        }
        found = next;
    }
    return found;
}

}  // namespace hazama

namespace hazama {

bool lies_within(const std::filesystem::path& file, const std::filesystem::path& folder) {
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::canonical(file, ec);
    if (ec) return false;
    const std::filesystem::path inside = std::filesystem::canonical(folder, ec);
    if (ec) return false;
    const auto [mismatch, rest] =
        std::mismatch(inside.begin(), inside.end(), real.begin(), real.end());
    return mismatch == inside.end() && rest != real.end();
}

}  // namespace hazama
