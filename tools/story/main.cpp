// hazama-story: runs the game headless in virtual time from a command script.
#include <cstring>
#include <fstream>
#include <iostream>

#include "story_runner.h"

int main(int argc, char** argv) {
    hazama::RunnerOptions options;
    options.assets = std::filesystem::canonical("/proc/self/exe").parent_path();
    const char* script_path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--assets") == 0 && i + 1 < argc) {
            options.assets = argv[++i];
        } else if (std::strcmp(argv[i], "--snapshots") == 0 && i + 1 < argc) {
            options.snapshots = argv[++i];
        } else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
            options.data = argv[++i];
        } else if (std::strcmp(argv[i], "--settings") == 0 && i + 1 < argc) {
            options.settings = argv[++i];
        } else if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc &&
                   hazama::language_named(argv[i + 1])) {
            options.language = *hazama::language_named(argv[++i]);
        } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
            std::cerr << "usage: hazama-story [--assets DIR] [--snapshots DIR] [--data DIR] "
                         "[--lang en|ja] [--settings FILE] [SCRIPT]\n";
            return 2;
        } else {
            script_path = argv[i];
        }
    }
    std::ios::sync_with_stdio(false);
    if (script_path != nullptr && std::strcmp(script_path, "-") != 0) {
        std::ifstream script(script_path);
        if (!script) {
            std::cerr << "hazama-story: cannot read " << script_path << '\n';
            return 2;
        }
        return hazama::run_story(script, std::cout, std::cerr, options);
    }
    return hazama::run_story(std::cin, std::cout, std::cerr, options);
}
