// The gate between the form and the real platform (replay_gate.h).
#include "replay/replay_gate.h"

#include <algorithm>
#include <system_error>

namespace hazama {

void ReplayGate::set_replaying(bool on) {
    if (on && !replaying_) {
        clock_ = live_.now_ms();
        shown_ = {};
    }
    replaying_ = on;
    answers_.clear();
    if (!on) {
        prefetch_.reset();
        pictures_.clear();
        picture_bytes_ = 0;
    }
}

std::uint32_t ReplayGate::now_ms() {
    return replaying_ ? clock_ : live_.now_ms();
}

void ReplayGate::wait_until(std::uint32_t deadline) {
    if (!replaying_) return live_.wait_until(deadline);
    if (static_cast<std::int32_t>(clock_ - deadline) < 0) clock_ = deadline;
}

void ReplayGate::wait_for_release() {
    if (!replaying_) return live_.wait_for_release();
    if (release_line_) release_line_();
}

void ReplayGate::wait_for_release_until(std::uint32_t deadline) {
    if (!replaying_) return live_.wait_for_release_until(deadline);
    if (release_line_) release_line_();
}

void ReplayGate::release() {
    if (!replaying_) live_.release();
}

void ReplayGate::wake() {
    if (!replaying_) live_.wake();
}

void ReplayGate::process_events() {
    if (!replaying_) live_.process_events();
}

void ReplayGate::set_timer(TimerId id, int interval_ms, std::function<void()> tick) {
    live_.set_timer(id, interval_ms, std::move(tick));
}

void ReplayGate::set_timer_interval(TimerId id, int interval_ms) {
    if (!replaying_) live_.set_timer_interval(id, interval_ms);
}

void ReplayGate::set_visible(Control control, bool visible) {
    if (!replaying_) live_.set_visible(control, visible);
}

void ReplayGate::set_enabled(Control control, bool enabled) {
    if (!replaying_) live_.set_enabled(control, enabled);
}

void ReplayGate::show_kept() {
    live_.set_message(shown_.message);
    for (int i = 0; i < kStaffLabels; ++i)
        live_.set_staff(i, shown_.staff[static_cast<std::size_t>(i)]);
}

void ReplayGate::set_message(const std::string& text) {
    shown_.message = text;
    if (!replaying_) live_.set_message(text);
}

void ReplayGate::reveal_message(const std::string& text, std::size_t shown) {
    shown_.message = text.substr(0, shown);
    if (!replaying_) live_.reveal_message(text, shown);
}

void ReplayGate::hide_text(bool hidden) {
    if (!replaying_) live_.hide_text(hidden);
}

void ReplayGate::tell(const std::string& text) {
    if (!replaying_) live_.tell(text);
}

void ReplayGate::copy_text(const std::string& text) {
    if (!replaying_) live_.copy_text(text);
}

void ReplayGate::set_face(const Plane* portrait) {
    if (!replaying_) live_.set_face(portrait);
}

void ReplayGate::set_staff(int index, const StaffLabel& label) {
    if (index >= 0 && index < kStaffLabels) shown_.staff[static_cast<std::size_t>(index)] = label;
    if (!replaying_) live_.set_staff(index, label);
}

void ReplayGate::set_notice(const std::string& text) {
    if (!replaying_) live_.set_notice(text);
}

void ReplayGate::show_reading_marks(bool auto_on, bool skipping) {
    if (!replaying_) live_.show_reading_marks(auto_on, skipping);
}

void ReplayGate::refresh_screen(const Plane& screen) {
    if (!replaying_) live_.refresh_screen(screen);
}

void ReplayGate::dissolve_begins(const Plane& incoming) {
    if (!replaying_) live_.dissolve_begins(incoming);
}

int ReplayGate::choose(const std::array<std::string, 3>& captions) {
    if (!replaying_) return live_.choose(captions);
    if (answers_.empty()) return -1;
    const int button = answers_.front();
    answers_.pop_front();
    return button;
}

std::optional<std::string> ReplayGate::ask_file(const FileRequest& request) {
    if (!replaying_) return live_.ask_file(request);
    return std::nullopt;
}

void ReplayGate::message_box(const std::string& text, const std::string& detail) {
    if (!replaying_) live_.message_box(text, detail);
}

bool ReplayGate::load_picture(const std::string& path, Plane& into, std::string& error) {
    if (!replaying_) return live_.load_picture(path, into, error);
    // The pictures decoded ahead follow the replay place by place: they go first.
    const bool ready = prefetch_ != nullptr && prefetch_->take(path, into);
    const auto known = pictures_.find(path);
    if (known != pictures_.end()) {
        known->second.used = ++uses_;
        if (!ready) into = known->second.plane;
        return true;
    }
    if (!ready && !live_.load_picture(path, into, error)) return false;
    // Decoded ahead, a picture is kept there for its next load; a slot of an earlier build
    // lists each picture once, and its pictures are kept here.
    if (prefetch_ != nullptr && prefetch_->lists_repeats()) return true;
    // Kept beside the plane it went into: they share its pixels until either changes.
    const std::size_t bytes = into.bytes();
    if (bytes > kPictureBytes) return true;
    while (picture_bytes_ + bytes > kPictureBytes) {
        const auto oldest = std::min_element(
            pictures_.begin(), pictures_.end(),
            [](const auto& a, const auto& b) { return a.second.used < b.second.used; });
        picture_bytes_ -= oldest->second.plane.bytes();
        pictures_.erase(oldest);
    }
    pictures_.emplace(path, Decoded{into, ++uses_});
    picture_bytes_ += bytes;
    return true;
}

void ReplayGate::prefetch(std::vector<std::string> paths) {
    prefetch_.reset();
    if (paths.empty()) return;
    // Where no thread can be had (the browser's build has none), the replay decodes each
    // picture itself as it comes, as without a list.
    try {
        prefetch_ = std::make_unique<PicturePrefetch>(
            std::move(paths), [this](const std::string& path, Plane& into, std::string& error) {
                return live_.load_picture(path, into, error);
            });
    } catch (const std::system_error&) {
        prefetch_.reset();
    }
}

MediaDevice& ReplayGate::media() {
    return replaying_ ? silent_ : live_.media();
}

void ReplayGate::note(const std::string& line) {
    if (!replaying_) live_.note(line);
}

}  // namespace hazama
