// The game's FluidSynth settings and SoundFont choice.
#include "audio/fluid_setup.h"

#include <algorithm>

namespace hazama {

std::vector<std::filesystem::path> game_soundfonts(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> fonts;
    for (const char* name : {"FluidR3_GM.sf2", "TimGM6mb.sf2"}) {
        const auto path = folder / name;
        if (std::filesystem::is_regular_file(path)) fonts.push_back(path);
    }
    return fonts;
}

std::filesystem::path choose_soundfont(const std::filesystem::path& folder) {
    const auto fonts = game_soundfonts(folder);
    return fonts.empty() ? std::filesystem::path() : fonts.front();
}

fluid_settings_t* new_game_settings() {
    fluid_settings_t* settings = new_fluid_settings();
    if (settings == nullptr) return nullptr;
    fluid_settings_setnum(settings, "synth.gain", kFullGain);
    fluid_settings_setnum(settings, "synth.sample-rate", 44100.0);
    // Only the instruments a piece selects are read into memory (FluidR3 is 140 MB; even
    // TimGM6mb saves a few MB this way), and no piece of ours needs more than 64 voices
    // at once.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "synth.polyphony", 64);
    return settings;
}

int load_soundfont(fluid_synth_t* synth, const std::filesystem::path& font) {
    // General MIDI's percussion: channel 10 (9 counting from 0), the SoundFont's bank 128.
    constexpr int kPercussionChannel = 9;
    constexpr int kPercussionBank = 128;
    const int id = fluid_synth_sfload(synth, font.c_str(), 0);
    if (id != FLUID_FAILED)
        fluid_synth_program_select(synth, kPercussionChannel, id, kPercussionBank, 0);
    return id;
}

double gain_for_volume(int percent) {
    return kFullGain * std::clamp(percent, 0, 100) / 100.0;
}

}  // namespace hazama
