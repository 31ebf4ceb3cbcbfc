// Fuzz target for the save-file loader: any bytes, read as a save file, must be refused or
// give a state the game can use, and loading them from disk must agree with decoding them.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "save/save_file.h"

namespace {

using hazama::fuzz::expect;

const std::string& scratch() {
    static const std::string path = hazama::fuzz::scratch_file("load-fuzzer.hzm");
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hazama;
    const auto state = decode_save({data, size});
    if (state) {
        expect(state->game <= 50 && state->position <= 20 && state->light <= 1, "range");
        const std::string& name = state->music_file;
        expect(name.find_first_of(std::string("/\\\"\0", 4)) == std::string::npos && name != "." &&
                   name != "..",
               "plain file name");
        expect(name.empty() || (name.front() != ' ' && name.back() != ' '), "trimmed");
        expect(music_name_ok(name), "a name a slot's load accepts too");
        // What was accepted can be saved again and reads back the same.
        const auto again = encode_save(state->game, state->position, name, state->light, data[8]);
        expect(again.has_value(), "accepted state saves again");
        expect(decode_save(*again) == state, "round trip");
    }

    hazama::fuzz::write_input(scratch(), data, size);
    SavedState loaded{77, 88, "untouched", 99};
    const int result =
        loadgame(scratch(), loaded.game, loaded.position, loaded.music_file, loaded.light);
    expect(result == (state ? 0 : 1), "loadgame agrees with the decoder");
    expect(state ? loaded == *state : loaded == SavedState{77, 88, "untouched", 99},
           "outputs only on success");
    return 0;
}
