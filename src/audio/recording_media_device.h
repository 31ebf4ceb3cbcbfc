// A media device that plays nothing: it keeps the open/playing/stopped state of one alias
// and records every command. The story runner and the tests use it in place of FluidSynth.
#pragma once

#include <string>
#include <vector>

#include "audio/media_device.h"

namespace hazama {

class RecordingMediaDevice : public MediaDevice {
  public:
    std::uint32_t send(const std::string& command, std::string& reply) override;
    bool error_text(std::uint32_t code, std::string& text) override;
    void set_volume(int percent) override { volume_ = percent; }

    // The open piece has played to its end: "status x1 mode" now answers "stopped".
    void end_piece();

    const std::vector<std::string>& commands() const { return commands_; }
    void clear() { commands_.clear(); }
    bool is_open() const { return open_; }
    bool is_playing() const { return open_ && playing_; }
    const std::string& open_path() const { return path_; }
    int volume() const { return volume_; }

  private:
    std::vector<std::string> commands_;
    bool open_ = false;
    bool playing_ = false;
    std::string alias_;
    std::string path_;
    int volume_ = 100;
};

}  // namespace hazama
