// How the game sets up FluidSynth: the SoundFont it picks and the synthesizer's settings.
// The media device plays with these, and the loudness check renders with them, so the two
// cannot drift apart.
#pragma once

#include <fluidsynth.h>

#include <filesystem>
#include <vector>

namespace hazama {

// The synthesizer's output gain at full volume (FluidSynth's own default). At this gain
// the pieces play at about -33 dB RMS with FluidR3 and -35 dB with TimGM6mb, and peak
// below -12 dBFS.
constexpr double kFullGain = 0.2;

// The SoundFonts of `folder` the game may play with, the one it prefers first: FluidR3
// sounds best; TimGM6mb is small. The .sf3 fonts load far too slowly to use.
std::vector<std::filesystem::path> game_soundfonts(const std::filesystem::path& folder);

// The one the game plays with; empty when `folder` holds neither.
std::filesystem::path choose_soundfont(const std::filesystem::path& folder);

// New settings for the game's synthesizer (the caller deletes them).
fluid_settings_t* new_game_settings();

// Loads `font` into `synth` as the game plays with it; its id, or FLUID_FAILED. Each piece
// chooses the instruments of its channels as it begins, and only then are their samples
// read; the percussion channel alone is given the standard kit it has by default. (Giving
// every channel its default, the piano, would first read the piano's samples, which take
// longer than all the rest of the SoundFont.) A piece sounds exactly as it would after
// FluidSynth's own reset of every channel.
int load_soundfont(fluid_synth_t* synth, const std::filesystem::path& font);

// The gain for a volume in percent (0 is silence; 100 and above is full).
double gain_for_volume(int percent);

}  // namespace hazama
