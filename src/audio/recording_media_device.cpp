// A media device that plays nothing and records every command.
#include "audio/recording_media_device.h"

#include <filesystem>

#include "audio/media_command.h"
#include "audio/media_errors.h"
#include "platform/asset_path.h"

namespace hazama {

std::uint32_t RecordingMediaDevice::send(const std::string& command, std::string& reply) {
    commands_.push_back(command);
    reply.clear();
    const MediaCommand cmd = parse_media_command(command);
    using Kind = MediaCommand::Kind;
    if (cmd.kind == Kind::unknown) return media_error::kUnknownCommand;
    if (cmd.kind == Kind::open) {
        if (open_) return media_error::kAliasInUse;
        const std::filesystem::path p(cmd.path);
        if (!std::filesystem::exists(find_asset(p.parent_path(), p.filename().string()))) {
            return media_error::kFileNotFound;
        }
        open_ = true;
        playing_ = false;
        alias_ = cmd.alias;
        path_ = cmd.path;
        return 0;
    }
    if (!open_ || cmd.alias != alias_) return media_error::kNotOpen;
    switch (cmd.kind) {
        case Kind::play:
            playing_ = true;
            break;
        case Kind::status_mode:
            reply = playing_ ? "playing" : "stopped";
            break;
        case Kind::seek_start:
            playing_ = false;
            break;
        case Kind::close:
            open_ = false;
            playing_ = false;
            path_.clear();
            break;
        default:
            break;
    }
    return 0;
}

bool RecordingMediaDevice::error_text(std::uint32_t code, std::string& text) {
    return media_error::text_of(code, text);
}

void RecordingMediaDevice::end_piece() {
    playing_ = false;
}

}  // namespace hazama
