// The calls into the page (page_bridge.h). Each body hands its arguments to Module.face, the
// object web/js/face.js gave the module; the asynchronous ones never reject, so the module is
// always resumed.
#include "web/page_bridge.h"

#include <emscripten.h>

#include <cerrno>

// clang-format off
EM_JS(int, hz_virtual_clock, (), { return Module.face.virtualClock ? 1 : 0; });
EM_JS(int, hz_collects_trace, (), { return Module.face.collectsTrace ? 1 : 0; });
EM_ASYNC_JS(void, hz_sleep, (int ms), { await Module.face.queue.sleep(ms); });
EM_JS(int, hz_action_length, (), {
    const next = Module.face.queue.peek();
    return next === undefined ? -1 : lengthBytesUTF8(next);
});
EM_JS(void, hz_take_action, (char* out, int size), {
    stringToUTF8(Module.face.queue.take(), out, size);
});
EM_JS(void, hz_set_phase, (const char* phase), { Module.face.setPhase(UTF8ToString(phase)); });
EM_JS(void, hz_set_visible, (int control, int on), { Module.face.setVisible(control, !!on); });
EM_JS(void, hz_show_continue_hint, (int on), { Module.face.showContinueHint(!!on); });
EM_JS(void, hz_set_enabled, (int control, int on), { Module.face.setEnabled(control, !!on); });
EM_JS(void, hz_set_message, (const char* text), { Module.face.setMessage(UTF8ToString(text)); });
EM_JS(void, hz_set_english, (const char* json), {
    Module.face.setEnglish(JSON.parse(UTF8ToString(json)));
});
EM_JS(int, hz_measure_english, (const char16_t* text, int length, int pixels), {
    const units = HEAPU16.subarray(text >> 1, (text >> 1) + length);
    return Module.face.measureEnglish(String.fromCharCode.apply(null, units), pixels);
});
EM_JS(void, hz_message_partial, (), { Module.face.messagePartial(); });
EM_JS(void, hz_hide_text, (int hidden), { Module.face.hideText(!!hidden); });
EM_JS(void, hz_copy_text, (const char* text), { Module.face.copyText(UTF8ToString(text)); });
EM_JS(void, hz_show_face, (const unsigned char* rgba, int w, int h), {
    Module.face.showFace(HEAPU8.subarray(rgba, rgba + w * h * 4), w, h);
});
EM_JS(void, hz_set_staff, (int index, const char* text, int x, int y, double points, int bold,
                          int white, int visible), {
    Module.face.setStaff(index, { text: UTF8ToString(text), x: x, y: y, points: points,
                                  bold: !!bold, white: !!white, visible: !!visible });
});
EM_JS(void, hz_set_notice, (const char* text), { Module.face.setNotice(UTF8ToString(text)); });
EM_JS(void, hz_show_reading_marks, (int auto_on, int skipping), {
    Module.face.showReadingMarks(!!auto_on, !!skipping);
});
EM_JS(void, hz_show_screen, (const unsigned char* rgba, int w, int h), {
    Module.face.showScreen(HEAPU8.subarray(rgba, rgba + w * h * 4), w, h);
});
EM_JS(void, hz_note, (const char* line), { Module.face.note(UTF8ToString(line)); });
EM_JS(void, hz_frame_shown, (double due, double woke, double at), {
    Module.face.frameShown(due, woke, at);
});
EM_JS(void, hz_ended, (const char* why), { Module.face.ended(UTF8ToString(why)); });
EM_JS(void, hz_open_chooser, (const char* a, const char* b, const char* c), {
    Module.face.dialogs.chooser([UTF8ToString(a), UTF8ToString(b), UTF8ToString(c)]);
});
EM_JS(void, hz_open_file_dialog, (int save, const char* title, const char* names), {
    const list = UTF8ToString(names);
    Module.face.dialogs.file(!!save, UTF8ToString(title), list === "" ? [] : list.split("\n"));
});
EM_JS(void, hz_open_message_box, (const char* text, const char* detail), {
    Module.face.dialogs.message(UTF8ToString(text), UTF8ToString(detail));
});
EM_JS(void, hz_close_dialogs, (), {
    Module.face.dialogs.closeAll();
    Module.face.screens.closeScreens();
});
EM_ASYNC_JS(int, hz_decode_picture, (const char* url), {
    return await Module.face.pictures.decode(UTF8ToString(url));
});
EM_JS(int, hz_picture_width, (), { return Module.face.pictures.width; });
EM_JS(int, hz_picture_height, (), { return Module.face.pictures.height; });
EM_JS(void, hz_take_picture, (unsigned char* out), { Module.face.pictures.take(HEAPU8, out); });
EM_JS(void, hz_set_words, (const char* json), { Module.face.setWords(JSON.parse(UTF8ToString(json))); });
EM_JS(void, hz_toast, (const char* text), { Module.face.toast(UTF8ToString(text)); });
EM_JS(void, hz_open_question, (const char* text, int yes_first), {
    Module.face.dialogs.question(UTF8ToString(text), !!yes_first);
});
EM_JS(void, hz_show_slots, (const char* json), {
    Module.face.screens.slots(JSON.parse(UTF8ToString(json)));
});
EM_JS(void, hz_show_settings, (const char* json), {
    Module.face.screens.settings(JSON.parse(UTF8ToString(json)));
});
EM_JS(void, hz_show_menu, (const char* json), {
    Module.face.screens.menu(JSON.parse(UTF8ToString(json)));
});
EM_JS(void, hz_show_history, (const char* json), {
    Module.face.screens.history(JSON.parse(UTF8ToString(json)));
});
EM_JS(void, hz_history_do, (const char* what), { Module.face.screens.historyDo(UTF8ToString(what)); });
EM_JS(void, hz_close_history, (), { Module.face.screens.closeHistory(); });
EM_JS(int, hz_fullscreen, (), { return Module.face.fullscreen() ? 1 : 0; });
EM_JS(void, hz_set_fullscreen, (int on), { Module.face.setFullscreen(!!on); });
EM_ASYNC_JS(int, hz_thumbnail, (const unsigned char* rgba, int w, int h), {
    return await Module.face.thumbnail(HEAPU8.slice(rgba, rgba + w * h * 4), w, h);
});
EM_JS(void, hz_take_thumbnail, (unsigned char* out), {
    HEAPU8.set(Module.face.thumbnailBytes, out);
    Module.face.thumbnailBytes = null;
});
EM_ASYNC_JS(int, hz_sync_storage, (const char* path), {
    return await Module.face.storage.sync(UTF8ToString(path));
});
EM_JS(void, hz_keep_ready, (const char* path, const char* bytes, int length), {
    Module.face.storage.keepReady(UTF8ToString(path), HEAPU8.slice(bytes, bytes + length));
});
// The text the last failed request left: why a picture could not be had.
EM_JS(int, hz_reason_length, (), { return lengthBytesUTF8(Module.face.reason) + 1; });
EM_JS(void, hz_take_reason, (char* out, int size), { stringToUTF8(Module.face.reason, out, size); });
// clang-format on

namespace hazama::page {
namespace {

std::string reason() {
    std::string text(static_cast<std::size_t>(hz_reason_length()), '\0');
    hz_take_reason(text.data(), static_cast<int>(text.size()));
    text.resize(text.size() - 1);
    return text;
}

}  // namespace

bool virtual_clock() {
    return hz_virtual_clock() != 0;
}

bool collects_trace() {
    return hz_collects_trace() != 0;
}

void sleep(int ms) {
    hz_sleep(ms);
}

std::optional<std::string> next_action() {
    const int length = hz_action_length();
    if (length < 0) return std::nullopt;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    hz_take_action(text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void set_phase(const char* phase) {
    hz_set_phase(phase);
}

void set_visible(int control, bool visible) {
    hz_set_visible(control, visible);
}

void show_continue_hint(bool shown) {
    hz_show_continue_hint(shown);
}

void set_enabled(int control, bool enabled) {
    hz_set_enabled(control, enabled);
}

void set_message(const std::string& text) {
    hz_set_message(text.c_str());
}

void set_english(const std::string& json) {
    hz_set_english(json.c_str());
}

int measure_english(std::u16string_view text, int pixels) {
    return hz_measure_english(text.data(), static_cast<int>(text.size()), pixels);
}

void message_partial() {
    hz_message_partial();
}

void hide_text(bool hidden) {
    hz_hide_text(hidden);
}

void copy_text(const std::string& text) {
    hz_copy_text(text.c_str());
}

void show_face(const std::uint8_t* rgba, int width, int height) {
    hz_show_face(rgba, width, height);
}

void set_staff(int index, const std::string& text, int x, int y, double point_size, bool bold,
               bool white, bool visible) {
    hz_set_staff(index, text.c_str(), x, y, point_size, bold, white, visible);
}

void set_notice(const std::string& text) {
    hz_set_notice(text.c_str());
}

void show_reading_marks(bool auto_on, bool skipping) {
    hz_show_reading_marks(auto_on, skipping);
}

void show_screen(const std::uint8_t* rgba, int width, int height) {
    hz_show_screen(rgba, width, height);
}

void note(const std::string& line) {
    hz_note(line.c_str());
}

void frame_shown(double due, double woke, double at) {
    hz_frame_shown(due, woke, at);
}

void ended(const std::string& why) {
    hz_ended(why.c_str());
}

void open_chooser(const std::array<std::string, 3>& captions) {
    hz_open_chooser(captions[0].c_str(), captions[1].c_str(), captions[2].c_str());
}

void open_file_dialog(bool save, const std::string& title, const std::string& names) {
    hz_open_file_dialog(save, title.c_str(), names.c_str());
}

void open_message_box(const std::string& text, const std::string& detail) {
    hz_open_message_box(text.c_str(), detail.c_str());
}

void close_dialogs() {
    hz_close_dialogs();
}

std::optional<Decoded> decode_picture(const std::string& url, std::string& error) {
    if (hz_decode_picture(url.c_str()) != 0) {
        error = reason();
        return std::nullopt;
    }
    return Decoded{hz_picture_width(), hz_picture_height()};
}

void take_picture(std::uint8_t* rgba) {
    hz_take_picture(rgba);
}

void set_words(const std::string& json) {
    hz_set_words(json.c_str());
}

void toast(const std::string& text) {
    hz_toast(text.c_str());
}

void open_question(const std::string& text, bool yes_first) {
    hz_open_question(text.c_str(), yes_first);
}

void show_slots(const std::string& json) {
    hz_show_slots(json.c_str());
}

void show_settings(const std::string& json) {
    hz_show_settings(json.c_str());
}

void show_menu(const std::string& json) {
    hz_show_menu(json.c_str());
}

void show_history(const std::string& json) {
    hz_show_history(json.c_str());
}

void history_do(const char* what) {
    hz_history_do(what);
}

void close_history() {
    hz_close_history();
}

bool fullscreen() {
    return hz_fullscreen() != 0;
}

void set_fullscreen(bool on) {
    hz_set_fullscreen(on);
}

std::string thumbnail_png(const std::uint8_t* rgba, int width, int height) {
    const int length = hz_thumbnail(rgba, width, height);
    if (length <= 0) return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    hz_take_thumbnail(reinterpret_cast<unsigned char*>(bytes.data()));
    return bytes;
}

void keep_ready(const std::string& path, const std::string& bytes) {
    hz_keep_ready(path.c_str(), bytes.data(), static_cast<int>(bytes.size()));
}

int sync_storage(const std::string& path) {
    switch (hz_sync_storage(path.c_str())) {
        case 0:
            return 0;
        case 1:
            return ENOSPC;
        case 2:
            return EACCES;
        default:
            return EIO;
    }
}

}  // namespace hazama::page
