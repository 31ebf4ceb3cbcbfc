// The media command device: the sequencer that music command strings drive.
#pragma once

#include <cstdint>
#include <string>

namespace hazama {

class MediaDevice {
  public:
    virtual ~MediaDevice() = default;
    // Carries out one command string ("open \"…\" alias x1 notify", "play x1",
    // "status x1 mode", "seek x1 to start", "close x1"). Returns 0 and the reply text on
    // success, or a nonzero error code.
    virtual std::uint32_t send(const std::string& command, std::string& reply) = 0;
    // The text of an error code; false when the code is unknown.
    virtual bool error_text(std::uint32_t code, std::string& text) = 0;
    // The loudness of everything played, in percent: 100 is full, 0 is silent. It changes
    // only what is heard; the commands, their replies and the end of a piece stay as they
    // are, so a silent piece still plays, ends and loops. A device without sound has
    // nothing to change.
    virtual void set_volume(int /*percent*/) {}
    // The first piece will be opened soon: a device that takes a while to start may begin
    // now, beside other work. Nothing is heard or changed before that piece.
    virtual void prepare() {}
};

}  // namespace hazama
