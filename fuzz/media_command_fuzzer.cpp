// Fuzz target for the media command parser: any string is understood or marked unknown,
// and what is understood says the same when written out again and parsed once more.
#include <cstdint>
#include <string>
#include <string_view>

#include "audio/media_command.h"
#include "fuzz_support.h"

namespace {

using hazama::fuzz::expect;

// The command in the game's own spelling.
std::string spelled(const hazama::MediaCommand& c) {
    using Kind = hazama::MediaCommand::Kind;
    switch (c.kind) {
        case Kind::open:
            return "open \"" + c.path + "\" alias " + c.alias + " notify";
        case Kind::play:
            return "play " + c.alias;
        case Kind::status_mode:
            return "status " + c.alias + " mode";
        case Kind::seek_start:
            return "seek " + c.alias + " to start";
        case Kind::close:
            return "close " + c.alias;
        case Kind::unknown:
            break;
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hazama;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const MediaCommand c = parse_media_command(text);
    if (c.kind == MediaCommand::Kind::unknown) {
        expect(c.path.empty() && c.alias.empty(), "an unknown command names nothing");
        return 0;
    }
    expect(!c.alias.empty() && c.alias.find_first_of(" \t") == std::string::npos,
           "the alias is one word");
    expect(c.kind == MediaCommand::Kind::open || c.path.empty(), "only open names a file");
    expect(c.path.find('"') == std::string::npos, "the path ends at its quote");
    const MediaCommand again = parse_media_command(spelled(c));
    expect(again.kind == c.kind && again.path == c.path && again.alias == c.alias,
           "the command reads back the same");
    return 0;
}
