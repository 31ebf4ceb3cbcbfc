// What the core tests that run the form build first: a program folder of their own under
// the temporary folder, a main form on the virtual platform (or a kind of it) in that
// folder, and the night panorama whose every pixel tells its place.
#pragma once

#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "audio/recording_media_device.h"
#include "form/main_form.h"
#include "platform/virtual_platform.h"

namespace hazama::testing {

// The bytes of the file at `path`; empty when there is none.
inline std::string bytes_of(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A folder under the temporary folder, unique to this process and to each one made, that
// goes with everything in it when the object does.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& tag) {
        static std::atomic<int> counter{0};
        path_ =
            std::filesystem::temp_directory_path() /
            ("hazama-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes `text` into the file `relative` below the folder, making its folders first.
    void write(const std::filesystem::path& relative, const std::string& text) const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }

  private:
    std::filesystem::path path_;
};

// The panorama pixel at (x, y): its own coordinates, so a misplaced view shows.
inline std::uint32_t pan(int x, int y) {
    return static_cast<std::uint32_t>(y << 11 | x);
}

// The 1280 x 960 night panorama of the opening and the ending, painted with pan().
inline const Plane& panorama() {
    static const Plane sky = [] {
        Plane p(1280, 960);
        for (int y = 0; y < 960; ++y)
            for (int x = 0; x < 1280; ++x) p.row(y)[x] = pan(x, y);
        return p;
    }();
    return sky;
}

// Decodes the panorama's file as panorama() and every other picture as a full screen of
// `others`.
inline VirtualPlatform::Decoder panorama_decoder(std::uint32_t others) {
    return [others](const std::string& path, Plane& into, std::string&) {
        if (path.ends_with("i15_see2.jpg")) {
            into = panorama();
        } else {
            into.resize(512, 384, others);
        }
        return true;
    };
}

// A main form on a platform of kind `P` in a scratch folder tagged `tag`. The platform is
// left as it comes: the fixture built on this sets the reader, decoder and sinks it needs.
template <typename P = VirtualPlatform>
struct FormFixture {
    explicit FormFixture(const std::string& tag) : folder(tag) {}

    ScratchFolder folder;
    RecordingMediaDevice device;
    P platform{device};
    MainForm form{platform, folder.path()};
};

}  // namespace hazama::testing
