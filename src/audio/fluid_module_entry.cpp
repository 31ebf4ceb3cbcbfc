// The entry of the synthesizer module (hazama-fluid.so): the game loads it when it first
// plays music, so FluidSynth and the many libraries it brings are not loaded at start-up.
#include "audio/fluid_media_device.h"

extern "C" __attribute__((visibility("default"))) hazama::MediaDevice* hazama_new_fluid_device(
    const char* soundfont_folder, int silent) {
    hazama::FluidMediaDevice::Options options;
    if (soundfont_folder != nullptr) options.soundfont_folder = soundfont_folder;
    options.silent = silent != 0;
    return new hazama::FluidMediaDevice(options);
}
