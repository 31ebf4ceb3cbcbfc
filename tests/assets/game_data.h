// What the tests of the built game data share: where the build and the sources are, and
// the names the code gives in its string literals.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace hazama::game_data {

namespace fs = std::filesystem;

inline fs::path folder_from(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr ? value : ".";
}

// The build folder holding gra/ and music/, and the source tree.
inline const fs::path& built() {
    static const fs::path path = folder_from("HAZAMA_ASSETS");
    return path;
}
inline const fs::path& source() {
    static const fs::path path = folder_from("HAZAMA_SOURCE");
    return path;
}

inline std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The text of every .cpp file in the given folders below src/.
inline std::vector<std::string> code_in(std::initializer_list<const char*> folders) {
    std::vector<std::string> texts;
    for (const char* folder : folders) {
        const fs::path dir = source() / "src" / folder;
        if (!fs::is_directory(dir)) continue;
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (entry.path().extension() == ".cpp") texts.push_back(read_file(entry.path()));
        }
    }
    return texts;
}

inline void collect(const std::vector<std::string>& texts, const std::regex& pattern,
                    const std::string& prefix, const std::string& suffix,
                    std::set<std::string>& into) {
    for (const std::string& text : texts) {
        for (std::sregex_iterator m(text.begin(), text.end(), pattern), end; m != end; ++m) {
            into.insert(prefix + (*m)[1].str() + suffix);
        }
    }
}

}  // namespace hazama::game_data
