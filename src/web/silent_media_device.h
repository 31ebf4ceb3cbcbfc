// The media device of the web edition until it has a synthesizer: it answers the music
// commands as a device that plays no sound, so the story plays on with its music silent.
#pragma once

#include "audio/recording_media_device.h"

namespace hazama {

// The recording device's answers, without keeping its record: a page plays for hours, and
// the music watcher asks for the state of the piece every few milliseconds.
class SilentMediaDevice : public RecordingMediaDevice {
  public:
    std::uint32_t send(const std::string& command, std::string& reply) override {
        const std::uint32_t result = RecordingMediaDevice::send(command, reply);
        clear();
        return result;
    }
};

}  // namespace hazama
