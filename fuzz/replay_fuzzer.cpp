// Fuzz target for a slot's replay: any text that reads as a slot is replayed on the
// virtual platform, as the window restores one, and ends (played to its line, or to the
// nearest arrival when its story is not this one) within a bounded number of waits,
// leaving a state that a save file could hold and having sent the media device only music
// names it could hold too.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "audio/media_command.h"
#include "audio/recording_media_device.h"
#include "form/main_form.h"
#include "fuzz_support.h"
#include "platform/virtual_platform.h"
#include "replay/replay_gate.h"
#include "replay/replayer.h"
#include "replay/slot_file.h"
#include "save/save_file.h"

namespace {

using hazama::fuzz::expect;
namespace fs = std::filesystem;

// More waits than the whole story played through takes, many times over.
constexpr long kMostWaits = 2'000'000;

struct TooManyWaits {};

// The virtual platform, counting every wait.
struct CountingPlatform : hazama::VirtualPlatform {
    using VirtualPlatform::VirtualPlatform;
    long waits = 0;
    void count() {
        if (++waits > kMostWaits) throw TooManyWaits{};
    }
    void wait_until(std::uint32_t deadline) override {
        count();
        VirtualPlatform::wait_until(deadline);
    }
    void wait_for_release() override {
        count();
        VirtualPlatform::wait_for_release();
    }
};

// A data folder with the staff file the opening and the ending read; the pictures come
// from the decoder below and the music from no file at all.
const fs::path& root() {
    static const fs::path path = [] {
        fs::path p = hazama::fuzz::scratch_file("replay-fuzzer");
        fs::create_directories(p / "gra");
        std::ifstream staff("assets/staff.txt", std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(staff)), {});
        if (text.empty()) text = "企画\n　誰か\n";
        std::ofstream(p / "gra" / "staff.txt", std::ios::binary) << text;
        return p;
    }();
    return path;
}

// Every picture a plain screen, the panorama its own size.
bool decode(const std::string& path, hazama::Plane& into, std::string&) {
    if (path.ends_with("i15_see2.jpg")) {
        into.resize(1280, 960, 0x203040);
    } else {
        into.resize(512, 384, static_cast<std::uint32_t>(path.size() * 2654435761u) & 0xFFFFFF);
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hazama;
    std::string why;
    const auto slot = decode_slot({reinterpret_cast<const char*>(data), size}, why);
    if (!slot) return 0;

    RecordingMediaDevice device;
    CountingPlatform platform(device);
    ReplayGate gate(platform);
    MainForm form(gate, root());
    Replayer replayer(form, gate);
    platform.decoder = decode;
    platform.reader = [&] { form.labmain_Click(); };
    form.Form_Load();
    try {
        replayer.prefetch(slot->pictures);
        replayer.request(slot->position);
    } catch (const TooManyWaits&) {
        expect(false, "the replay ends within a bounded number of waits");
    } catch (const StoryStalled&) {
        expect(false, "the replay never stands still");
    }
    expect(saved_values_ok(form.game, form.position, form.light) && form.x00 <= kLastX00 &&
               form.f00 <= kLastF00,
           "a state a save file could hold");
    expect(form.MusicFile.empty() || form.MusicFile == "0" || music_name_ok(form.MusicFile),
           "music a save file could hold");
    for (const std::string& command : device.commands()) {
        const MediaCommand c = parse_media_command(command);
        expect(c.kind != MediaCommand::Kind::unknown, "only commands the device knows");
        if (c.kind != MediaCommand::Kind::open) continue;
        const fs::path file(c.path);
        expect(file.parent_path() == root() / "music" && file.extension() == ".mid" &&
                   music_name_ok(file.stem().string()),
               "a piece of the music folder, named as a save file could");
    }
    return 0;
}
