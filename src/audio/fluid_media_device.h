// The real media device: plays standard MIDI files with FluidSynth and a General MIDI
// SoundFont. The synthesizer starts with the first command, not at construction.
#pragma once

#include <memory>

#include "audio/media_device.h"

namespace hazama {

class FluidMediaDevice : public MediaDevice {
  public:
    FluidMediaDevice();
    ~FluidMediaDevice() override;
    std::uint32_t send(const std::string& command, std::string& reply) override;
    bool error_text(std::uint32_t code, std::string& text) override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace hazama
