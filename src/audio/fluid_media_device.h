// The real media device: plays standard MIDI files with FluidSynth and a General MIDI
// SoundFont. The synthesizer starts with the first command, not at construction.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "audio/media_device.h"

namespace hazama {

class FluidMediaDevice : public MediaDevice {
  public:
    struct Options {
        // Where the General MIDI SoundFonts are looked for.
        std::filesystem::path soundfont_folder = "/usr/share/sounds/sf2";
        // Render in real time without touching the sound card (tests, measurements).
        bool silent = false;
    };

    FluidMediaDevice();
    explicit FluidMediaDevice(Options options);
    ~FluidMediaDevice() override;
    FluidMediaDevice(const FluidMediaDevice&) = delete;
    FluidMediaDevice& operator=(const FluidMediaDevice&) = delete;

    std::uint32_t send(const std::string& command, std::string& reply) override;
    bool error_text(std::uint32_t code, std::string& text) override;
    void set_volume(int percent) override;
    // Starts the synthesizer and reads the SoundFont now rather than with the first piece.
    void prepare() override;

    // The synthesizer's output gain now; 0 until the synthesizer has started.
    double gain() const;

    // Where the sound goes: "pulseaudio", "alsa", "sdl2" or "silent"; empty until the
    // synthesizer has started.
    std::string output() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace hazama
