// The save file: the XOR chain behind the header, the checks on load, and the file I/O.
#include "save/save_file.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "save/save_name.h"

namespace hazama {
namespace {

// The generator's seed: HAZAMA_SAVE_SEED when set (so that two builds, or a build and the
// story runner, write the same bytes at the same point, for their tests), else a random one.
std::uint32_t save_seed() {
    if (const char* seed = std::getenv("HAZAMA_SAVE_SEED"); seed != nullptr && *seed != '\0') {
        char* end = nullptr;
        const unsigned long value = std::strtoul(seed, &end, 10);
        if (*end == '\0') return static_cast<std::uint32_t>(value);
    }
    return std::random_device{}();
}

// A fresh random byte for every save, from a generator seeded once per run. The top byte of
// the engine's output, not a distribution: mt19937's numbers are the same in every standard
// library, a distribution's are not (the browser's build would write other bytes).
std::uint8_t random_byte() {
    static std::mt19937 generator{save_seed()};
    return static_cast<std::uint8_t>(generator() >> 24);
}

// A name the music command can join to the music folder without leaving it. A quote
// would end the quoted path of the open command, and a NUL would cut it short; a control
// character (a line break, a tab) names no piece of the game and would break a slot's
// lines and words.
bool plain_file_name(std::string_view name) {
    if (name == "." || name == "..") return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == '"') return false;
    }
    return true;
}

// The first kLongestSave bytes of the file, or all of a shorter one.
std::vector<std::uint8_t> read_head(const std::string& path) {
    const std::string head = read_file_head(path, kLongestSave);
    return std::vector<std::uint8_t>(head.begin(), head.end());
}

}  // namespace

bool saved_values_ok(int game, int position, int light) {
    return game >= 0 && game <= kLastGame && position >= 0 && position <= kLastPosition &&
           light >= 0 && light <= kLastLight;
}

bool music_name_ok(std::string_view name) {
    if (!name.empty() && (name.front() == ' ' || name.back() == ' ')) return false;
    const auto bytes = name_to_bytes(name);
    return bytes && bytes->size() <= 255 && name_from_bytes(*bytes) == name &&
           plain_file_name(name);
}

std::optional<std::vector<std::uint8_t>> encode_save(std::uint8_t game, std::uint8_t position,
                                                     const std::string& music_file,
                                                     std::int32_t light, std::uint8_t random) {
    if (!saved_values_ok(game, position, light)) return std::nullopt;
    const auto name = name_to_bytes(music_file);
    if (!name || name->size() > 255) return std::nullopt;

    std::vector<std::uint8_t> bytes(kSaveHeader.begin(), kSaveHeader.end());
    std::uint8_t k = random;
    bytes.push_back(k);
    auto chain = [&](std::uint8_t value) {
        k ^= value;
        bytes.push_back(k);
    };
    chain(game);
    chain(position);
    chain(static_cast<std::uint8_t>(name->size()));
    for (unsigned char c : *name) chain(c);
    chain(static_cast<std::uint8_t>(light));
    chain(random);
    return bytes;
}

std::optional<SavedState> decode_save(std::span<const std::uint8_t> b) {
    if (b.size() < kSaveHeader.size() ||
        !std::equal(kSaveHeader.begin(), kSaveHeader.end(), b.begin()))
        return std::nullopt;
    if (b.size() < 12) return std::nullopt;
    const std::uint8_t random = b[8];
    SavedState state;
    state.game = b[9] ^ random;
    state.position = b[10] ^ b[9];
    const std::size_t n = b[11] ^ b[10];
    // A file that ends before its check byte is refused like a failed check.
    if (b.size() < 14 + n) return std::nullopt;

    std::string name(n, ' ');
    std::uint8_t previous = b[11];
    for (std::size_t i = 0; i < n; ++i) {
        name[i] = static_cast<char>(b[12 + i] ^ previous);
        previous = b[12 + i];
    }
    const std::uint8_t l = b[12 + n];
    state.light = l ^ previous;
    if ((b[13 + n] ^ l) != random) return std::nullopt;
    if (!saved_values_ok(state.game, state.position, state.light)) return std::nullopt;

    const auto first = name.find_first_not_of(' ');
    name = first == std::string::npos ? ""
                                      : name.substr(first, name.find_last_not_of(' ') - first + 1);
    auto text = name_from_bytes(name);
    if (!text || !plain_file_name(*text)) return std::nullopt;
    state.music_file = std::move(*text);
    return state;
}

std::uint8_t savegame(const std::string& file_name, std::uint8_t game, std::uint8_t position,
                      const std::string& music_file, std::int32_t light) {
    const auto bytes = encode_save(game, position, music_file, light, random_byte());
    if (!bytes) return 1;
    write_file_atomically(
        file_name, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    return 0;
}

int loadgame(const std::string& file_name, std::uint8_t& game, std::uint8_t& position,
             std::string& music_file, std::uint8_t& light) {
    std::error_code ec;
    if (file_name.empty() || !std::filesystem::is_regular_file(file_name, ec)) return 1;
    const auto state = decode_save(read_head(file_name));
    if (!state) return 1;
    game = state->game;
    position = state->position;
    music_file = state->music_file;
    light = state->light;
    return 0;
}

}  // namespace hazama
