// The web edition's media device: the game's music commands, answered as the desktop's
// FluidSynth device answers them, with the sound made by the page's synthesizer (FluidSynth
// compiled to WebAssembly, in an AudioWorklet). The synthesizer plays on the browser's
// audio thread, out of the module's sight, so the end of a piece is told by its length: the
// time of its last tick, against how long the page says it has played.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio/media_device.h"
#include "audio/midi_length.h"

namespace hazama {

class WebMediaDevice : public MediaDevice {
  public:
    // `root` is the module's folder that the site's files are laid out in.
    explicit WebMediaDevice(std::string root) : root_(std::move(root)) {}

    std::uint32_t send(const std::string& command, std::string& reply) override;
    bool error_text(std::uint32_t code, std::string& text) override;
    void set_volume(int percent) override;

  private:
    bool ended() const;

    std::string root_;
    std::string alias_;  // empty while nothing is open
    std::vector<std::uint8_t> piece_;
    MidiLength length_;
    bool started_ = false;
};

}  // namespace hazama
