// Writes a few valid read records into the folder given as the argument: the read record
// fuzzer's seeds.
#include <cstdio>
#include <fstream>
#include <string>
#include <unordered_set>

#include "reading/read_record.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_read_seeds FOLDER\n");
        return 2;
    }
    using hazama::ReadRecord;
    const std::unordered_set<std::uint64_t> seeds[] = {
        {},
        {ReadRecord::hash("飛沫「……」")},
        {ReadRecord::hash("一"), ReadRecord::hash("二"), ReadRecord::hash("三"), 0, ~0ull},
    };
    int i = 0;
    for (const auto& lines : seeds) {
        std::ofstream out(std::string(argv[1]) + "/seed" + std::to_string(i++) + ".dat",
                          std::ios::binary);
        out << ReadRecord::encode(lines);
        if (!out) return 1;
    }
    return 0;
}
