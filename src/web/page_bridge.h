// The calls the web platform makes into the page (web/js/face.js): what it shows, the waits
// on the page's queue of actions, and the browser's picture decoder and storage. Each returns
// at once, but for sleep, decode_picture and sync_storage, which suspend the module until the
// browser answers (Asyncify); the page never calls into the module meanwhile.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hazama::page {

// ---- how the page was opened ----
bool virtual_clock();  // the test mode's clock: waits move it straight to their deadline
bool collects_trace();

// ---- the queue ----
// Sleeps until `ms` milliseconds have passed, an action is posted or the game closes; 0
// yields to the browser once, a negative `ms` sets no time limit.
void sleep(int ms);
// The oldest action the page posted, taken off its queue; nothing when it is empty.
std::optional<std::string> next_action();
// What the game waits for, for the page's looks and the tests: "idle", "line", "busy",
// "chooser", "file", "message", "ended".
void set_phase(const char* phase);

// ---- what the page shows ----
void set_visible(int control, bool visible);
void show_continue_hint(bool shown);  // the title's hint that a saved game can be continued
void set_enabled(int control, bool enabled);
void set_message(const std::string& text);
// An English message's lines as english_lines.h lays them out (its JSON).
void set_english(const std::string& json);
// The width in pixels of `text` in the page's English face at `pixels`, as it draws it.
int measure_english(std::u16string_view text, int pixels);
// The line just set is a part of one still appearing letter by letter.
void message_partial();
void hide_text(bool hidden);
void copy_text(const std::string& text);
void show_face(const std::uint8_t* rgba, int width, int height);
void set_staff(int index, const std::string& text, int x, int y, double point_size, bool bold,
               bool white, bool visible);
void set_notice(const std::string& text);
void show_reading_marks(bool auto_on, bool skipping);
void show_screen(const std::uint8_t* rgba, int width, int height);
void note(const std::string& line);
// With the trace kept in real time: a scene was put on the canvas at `at`, due at `due`, its
// wait having ended at `woke` (all on the platform's clock; -1: no wait set its time).
void frame_shown(double due, double woke, double at);
void ended(const std::string& why);

// ---- dialogs: opened here, answered through the queue ----
void open_chooser(const std::array<std::string, 3>& captions);
// `names`: the files offered, one a line.
void open_file_dialog(bool save, const std::string& title, const std::string& names);
void open_message_box(const std::string& text, const std::string& detail);
void close_dialogs();

// ---- the session's screens (web_face.h), each drawn from the JSON given ----
void set_words(const std::string& json);  // the page's own words in the language in force
void toast(const std::string& text);      // a notice over the scene that goes by itself
void open_question(const std::string& text, bool yes_first);
void show_slots(const std::string& json);  // opens the slot screen, or redraws it
void show_settings(const std::string& json);
void show_menu(const std::string& json);
void show_history(const std::string& json);
void history_do(const char* what);  // a key over the open history: "previous", "end"...
void close_history();
bool fullscreen();
void set_fullscreen(bool on);

// ---- the browser's services ----
// Fetches and decodes the picture at `url` (relative to the page); its size, or nothing with
// the reason in `error`. take_picture then copies its RGBA pixels out.
struct Decoded {
    int width = 0;
    int height = 0;
};
std::optional<Decoded> decode_picture(const std::string& url, std::string& error);
void take_picture(std::uint8_t* rgba);
// Copies the player's file at `path` to the browser's lasting storage (or takes it out there
// when it is gone): 0, or the error number of why it could not (ENOSPC when the storage is
// full, EACCES when it is refused, else EIO).
int sync_storage(const std::string& path);
// The player's file at `path` with its bytes, kept in the page (not yet in the storage), for
// the page to write when it closes.
void keep_ready(const std::string& path, const std::string& bytes);
// The scene at half size, as PNG bytes; empty when the browser cannot make one.
std::string thumbnail_png(const std::uint8_t* rgba, int width, int height);

}  // namespace hazama::page
