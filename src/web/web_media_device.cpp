// The web edition's media device: one piece under one alias, its bytes handed to the page.
#include "web/web_media_device.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

#include "audio/media_command.h"
#include "audio/media_errors.h"
#include "platform/asset_path.h"
#include "web/page_music.h"
#include "web/web_files.h"

namespace hazama {

std::uint32_t WebMediaDevice::send(const std::string& command, std::string& reply) {
    reply.clear();
    const MediaCommand cmd = parse_media_command(command);
    using Kind = MediaCommand::Kind;
    if (cmd.kind == Kind::unknown) return media_error::kUnknownCommand;
    if (cmd.kind == Kind::open) {
        if (!alias_.empty()) return media_error::kAliasInUse;
        const std::filesystem::path given(cmd.path);
        const auto found = find_asset(given.parent_path(), given.filename().string());
        std::error_code ec;
        const auto url = site_url(root_, found.string());
        if (!std::filesystem::is_regular_file(found, ec) || !url) {
            return media_error::kFileNotFound;
        }
        auto bytes = page::fetch_music(*url);
        if (!bytes) return media_error::kFileNotFound;
        const std::string_view view(reinterpret_cast<const char*>(bytes->data()), bytes->size());
        const auto length = midi_length(view);
        if (!length) return media_error::kBadFile;
        piece_ = std::move(*bytes);
        length_ = *length;
        alias_ = cmd.alias;
        started_ = false;
        page::load_music(piece_);
        return 0;
    }
    if (alias_.empty() || cmd.alias != alias_) return media_error::kNotOpen;
    switch (cmd.kind) {
        case Kind::play:
            if (!started_) page::play_music();
            started_ = true;
            return 0;
        case Kind::status_mode:
            reply = ended() ? "stopped" : "playing";
            return 0;
        case Kind::seek_start:
            // As on the desktop, the start is the piece afresh: what sounds dies away.
            page::load_music(piece_);
            started_ = false;
            return 0;
        case Kind::close:
            page::stop_music();
            alias_.clear();
            piece_.clear();
            started_ = false;
            return 0;
        default:
            return media_error::kUnknownCommand;
    }
}

// A piece with no events at all never reaches an end to stop at, as on the desktop.
bool WebMediaDevice::ended() const {
    if (!started_) return true;
    return length_.ticks > 0 && page::music_played_ms() >= length_.ms;
}

bool WebMediaDevice::error_text(std::uint32_t code, std::string& text) {
    return media_error::text_of(code, text);
}

void WebMediaDevice::set_volume(int percent) {
    page::set_music_volume(std::clamp(percent, 0, 100));
}

}  // namespace hazama
