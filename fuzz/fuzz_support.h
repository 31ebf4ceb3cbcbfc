// What the fuzz targets share: a check that aborts (the fuzzer keeps the input that broke
// it) and a scratch file for targets that also read their input from disk.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace hazama::fuzz {

inline void expect(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// A file in memory-backed /dev/shm when there is one: rewriting a disk file per input
// would make the disk, not the reader, the bottleneck.
inline std::string scratch_file(const std::string& name) {
    return std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/hazama-" + name +
           "-" + std::to_string(::getpid());
}

// The scratch file `name`, the same one for every input of the run.
inline const std::string& scratch(const std::string& name) {
    static std::map<std::string, std::string> paths;
    auto [at, fresh] = paths.try_emplace(name);
    if (fresh) at->second = scratch_file(name);
    return at->second;
}

// Writes the input to `path`.
inline void write_input(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    expect(out != nullptr, "scratch file");
    expect(std::fwrite(data, 1, size, out) == size, "scratch write");
    std::fclose(out);
}

}  // namespace hazama::fuzz
