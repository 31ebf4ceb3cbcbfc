// A main form on the virtual platform whose pictures are test patterns kept in memory
// behind real (empty) files in a scratch program folder; every refresh is recorded.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/form_fixture.h"

namespace hazama::testing {

struct Frame {
    std::uint32_t at;  // virtual time of the refresh
    Plane screen;
};

struct GraphicsFixture : FormFixture<> {
    std::map<std::string, Plane> files;  // full path -> picture
    int decoded = 0;
    std::vector<std::string> notes;
    std::vector<Frame> frames;

    GraphicsFixture() : FormFixture("graphics") {
        std::filesystem::create_directories(folder.path() / "gra" / "window");
        for (Plane& p : form.picmain) p.resize(512, 384);
        platform.decoder = [this](const std::string& path, Plane& into, std::string& error) {
            auto it = files.find(path);
            if (it == files.end() || !std::filesystem::exists(path)) return error = "none", false;
            ++decoded;
            into = it->second;
            return true;
        };
        platform.on_note = [this](const std::string& line) { notes.push_back(line); };
        platform.on_refresh = [this] { frames.push_back({platform.now_ms(), form.picmain[0]}); };
    }

    // Places a picture file at `relative` below the program folder.
    void add(const std::string& relative, Plane picture) {
        const auto path = folder.path() / relative;
        std::ofstream(path).put('\0');
        files[path.string()] = std::move(picture);
    }
};

// A plane whose every pixel names its place (x, y below 1024) and a tag (below 16).
inline Plane numbered(int w, int h, std::uint32_t tag = 0) {
    Plane p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) p.row(y)[x] = tag << 20 | y << 10 | x;
    }
    return p;
}

// Bounding box {left, top, right, bottom} of the pixels of one colour; all -1 if none.
inline std::array<int, 4> box_of(const Plane& p, std::uint32_t colour) {
    std::array<int, 4> b{-1, -1, -1, -1};
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if (p.at(x, y) != colour) continue;
            if (b[0] < 0 || x < b[0]) b[0] = x;
            if (b[1] < 0) b[1] = y;
            b[2] = std::max(b[2], x);
            b[3] = y;
        }
    }
    return b;
}

}  // namespace hazama::testing
