// Writes a few valid save files into the folder given as the argument: the fuzzer's seeds.
#include <cstdio>
#include <string>

#include "save/save_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const struct {
        int game, position;
        std::string music;
        int light;
    } seeds[] = {
        {0, 0, "", 0},          {1, 0, "0", 0},
        {3, 9, "mind", 1},      {50, 20, "0", 1},
        {12, 4, "mind+mie", 0}, {30, 11, "Up_mode2", 1},
        {7, 3, "ｱｲｳ", 0},       {44, 13, std::string(255, 'x'), 1},
    };
    int i = 0;
    for (const auto& s : seeds) {
        const std::string path = folder + "/seed" + std::to_string(i++) + ".hzm";
        if (hazama::savegame(path, s.game, s.position, s.music, s.light) != 0) return 1;
    }
    return 0;
}
