// The web platform: what the core shows handed to the page, the browser's picture decoder, and
// the dialogs (web_platform.h).
#include "web/web_platform.h"

#include <algorithm>
#include <filesystem>

#include "graphics/plane.h"
#include "web/english_lines.h"
#include "web/page_bridge.h"
#include "web/web_files.h"

namespace hazama {
namespace {

// The canvas's byte order, opaque.
void to_rgba(const Plane& plane, std::vector<std::uint8_t>& out) {
    out.resize(plane.pixels.size() * 4);
    std::uint8_t* o = out.data();
    for (const std::uint32_t p : plane.pixels) {
        o[0] = static_cast<std::uint8_t>(p >> 16);
        o[1] = static_cast<std::uint8_t>(p >> 8);
        o[2] = static_cast<std::uint8_t>(p);
        o[3] = 0xFF;
        o += 4;
    }
}

}  // namespace

void WebPlatform::set_visible(Control control, bool visible) {
    page::set_visible(static_cast<int>(control), visible);
    // The title's hint comes and goes with the title's buttons.
    if (control == Control::comstart) page::show_continue_hint(visible && has_save_ && has_save_());
}

void WebPlatform::set_enabled(Control control, bool enabled) {
    page::set_enabled(static_cast<int>(control), enabled);
}

void WebPlatform::set_message(const std::string& text) {
    reveal_message(text, text.size());
}

void WebPlatform::reveal_message(const std::string& text, std::size_t shown) {
    const std::optional<std::string> english = english_lines_json(
        text, shown,
        [](std::u16string_view part) { return page::measure_english(part, english_pixels()); });
    if (english) {
        page::set_english(*english);
    } else {
        page::set_message(text.substr(0, shown));
    }
    if (shown < text.size()) page::message_partial();
}

void WebPlatform::hide_text(bool hidden) {
    page::hide_text(hidden);
}

void WebPlatform::copy_text(const std::string& text) {
    page::copy_text(text);
}

void WebPlatform::tell(const std::string& text) {
    page::toast(text);
}

void WebPlatform::set_face(const Plane* portrait) {
    if (portrait == nullptr || portrait->empty()) return;
    std::vector<std::uint8_t> rgba;
    to_rgba(*portrait, rgba);
    page::show_face(rgba.data(), portrait->width, portrait->height);
}

void WebPlatform::set_staff(int index, const StaffLabel& label) {
    if (index < 0 || index >= kStaffLabels) return;
    page::set_staff(index, label.text, label.x, label.y, label.point_size, label.bold, label.white,
                    label.visible);
}

void WebPlatform::set_notice(const std::string& text) {
    page::set_notice(text);
}

void WebPlatform::show_reading_marks(bool auto_on, bool skipping) {
    page::show_reading_marks(auto_on, skipping);
}

void WebPlatform::refresh_screen(const Plane& screen) {
    if (screen.empty()) return;  // the title screen has no scene yet
    to_rgba(screen, rgba_);
    page::show_screen(rgba_.data(), screen.width, screen.height);
    // For the tests of real time: when each frame was due and when it was on the canvas.
    if (tracing_ && !virtual_) {
        page::frame_shown(last_deadline_ ? static_cast<double>(*last_deadline_) : -1,
                          last_deadline_ ? woke_ms_ : -1, precise_now());
    }
    last_deadline_.reset();
}

void WebPlatform::note(const std::string& line) {
    if (tracing_) page::note(line);
}

// ---------------------------------------------------------------- pictures

bool WebPlatform::load_picture(const std::string& path, Plane& into, std::string& error) {
    // The module's folder names every picture the site holds; the bytes are the site's.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = "ファイルがありません";
        return false;
    }
    const std::optional<std::string> url = site_url(root_, path);
    if (!url) {
        error = "ファイルがありません";
        return false;
    }
    const auto decoded = page::decode_picture(*url, error);
    if (!decoded) return false;
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(decoded->width) * decoded->height * 4);
    page::take_picture(rgba.data());
    into.resize(decoded->width, decoded->height);
    const std::uint8_t* p = rgba.data();
    for (std::uint32_t& pixel : into.pixels) {
        pixel = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
        p += 4;
    }
    return true;
}

// ---------------------------------------------------------------- dialogs

int WebPlatform::choose(const std::array<std::string, 3>& captions) {
    if (closing_) return -1;
    page::open_chooser(captions);
    const auto answer = run_dialog("chooser");
    if (!answer || answer->kind != "chosen") return -1;
    const int button = std::atoi(answer->argument.c_str());
    return button >= 0 && button <= 3 ? button : -1;
}

std::optional<std::string> WebPlatform::ask_file(const FileRequest& request) {
    if (closing_) return std::nullopt;
    const std::string folder = request.initial_dir;
    page::open_file_dialog(request.save, request.title,
                           joined_lines(files_with_extension(folder, request.default_extension)));
    const auto answer = run_dialog("file");
    if (!answer || answer->kind != "file") return std::nullopt;
    return file_in(folder, answer->argument, request.default_extension);
}

void WebPlatform::message_box(const std::string& text, const std::string& detail) {
    if (closing_) return;
    page::open_message_box(text, detail);
    run_dialog("message");
}

}  // namespace hazama
