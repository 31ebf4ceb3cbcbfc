// The SoundFont as the game loads it, without an instrument for each channel until a piece
// chooses one: every piece sounds sample for sample as after FluidSynth's own reset of every
// channel, drums included.
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/fluid_setup.h"

namespace hazama {
namespace {

namespace fs = std::filesystem;

// The first `seconds` of `piece`, rendered with the game's settings; the font loaded as the
// game does, or with every channel given its default.
std::vector<float> render(const fs::path& font, const fs::path& piece, bool as_the_game,
                          int seconds) {
    fluid_settings_t* settings = new_game_settings();
    fluid_synth_t* synth = new_fluid_synth(settings);
    const int id =
        as_the_game ? load_soundfont(synth, font) : fluid_synth_sfload(synth, font.c_str(), 1);
    EXPECT_NE(id, FLUID_FAILED);
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add(player, piece.c_str());
    fluid_player_play(player);
    constexpr int kBlock = 512;
    std::vector<float> out(static_cast<std::size_t>(seconds) * 44100 * 2);
    for (std::size_t at = 0; at + 2 * kBlock <= out.size(); at += 2 * kBlock)
        fluid_synth_write_float(synth, kBlock, out.data() + at, 0, 2, out.data() + at, 1, 2);
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return out;
}

TEST(SoundFontLoading, EveryPieceSoundsAsWithEveryChannelReset) {
    const auto font = choose_soundfont("/usr/share/sounds/sf2");
    if (font.empty()) GTEST_SKIP() << "no SoundFont of the game's installed";
    const char* assets = std::getenv("HAZAMA_ASSETS");
    ASSERT_NE(assets, nullptr);
    int pieces = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(assets) / "music")) {
        if (entry.path().extension() != ".mid") continue;
        ++pieces;
        EXPECT_EQ(render(font, entry.path(), true, 3), render(font, entry.path(), false, 3))
            << entry.path().filename();
    }
    EXPECT_GT(pieces, 10);
}

}  // namespace
}  // namespace hazama
