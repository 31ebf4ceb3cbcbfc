// A main form on the virtual platform whose pictures are test patterns kept in memory,
// behind real (empty) files in a scratch program folder.
#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "audio/recording_media_device.h"
#include "form/main_form.h"
#include "platform/virtual_platform.h"

namespace hazama::testing {

inline std::filesystem::path scratch_folder() {
    static std::atomic<int> counter{0};
    auto dir = std::filesystem::temp_directory_path() /
               ("hazama-graphics-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir / "gra" / "window");
    return dir;
}

struct Frame {
    std::uint32_t at;  // virtual time of the refresh
    Plane screen;
};

struct GraphicsFixture {
    std::filesystem::path root = scratch_folder();
    RecordingMediaDevice device;
    VirtualPlatform platform{device};
    MainForm form{platform, root};
    std::map<std::string, Plane> files;  // full path -> picture
    std::vector<std::string> decoded;    // paths in the order they were decoded
    std::vector<std::string> notes;
    std::vector<Frame> frames;  // the screen at every refresh, when recording

    explicit GraphicsFixture(bool record_frames = true) {
        for (Plane& p : form.picmain) p.resize(512, 384);
        platform.decoder = [this](const std::string& path, Plane& into, std::string& error) {
            auto it = files.find(path);
            if (it == files.end() || !std::filesystem::exists(path)) {
                error = "no such picture";
                return false;
            }
            decoded.push_back(path);
            into = it->second;
            return true;
        };
        platform.on_note = [this](const std::string& line) { notes.push_back(line); };
        if (record_frames) {
            platform.on_refresh = [this] {
                frames.push_back({platform.now_ms(), form.picmain[0]});
            };
        }
    }
    ~GraphicsFixture() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }

    // Places a picture file at `relative` below the program folder.
    void add(const std::string& relative, Plane picture) {
        const auto path = root / relative;
        std::ofstream(path).put('\0');
        files[path.string()] = std::move(picture);
    }
};

// A plane whose every pixel tells where it is, so misplaced copies show.
inline Plane numbered(int w, int h, std::uint32_t tag = 0) {
    Plane p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) p.row(y)[x] = (tag << 20 | (y << 10 | x)) & 0xFFFFFF;
    }
    return p;
}

// Bounding box of the pixels of one colour: {left, top, right, bottom}, inclusive; all -1
// when there are none.
struct Box {
    int left = -1, top = -1, right = -1, bottom = -1;
    bool operator==(const Box&) const = default;
};
inline Box box_of(const Plane& p, std::uint32_t colour) {
    Box b;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if (p.at(x, y) != colour) continue;
            if (b.left < 0 || x < b.left) b.left = x;
            if (b.top < 0) b.top = y;
            if (x > b.right) b.right = x;
            b.bottom = y;
        }
    }
    return b;
}

}  // namespace hazama::testing
