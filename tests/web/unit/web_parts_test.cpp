// The web platform's parts that need no browser, run under node: the page's actions, the
// names between the module's folders and the page, and the two timers on either clock.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "web/english_lines.h"
#include "web/web_action.h"
#include "web/web_files.h"
#include "web/web_timers.h"

namespace {

int passed = 0;
int failed = 0;

void check(bool ok, const char* what, int line) {
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("line %d: %s\n", line, what);
    }
}
#define CHECK(condition) check((condition), #condition, __LINE__)

using namespace hazama;

void actions() {
    CHECK(parse_action("command look") == (WebAction{"command", "look"}));
    CHECK(parse_action("file my save.hzm") == (WebAction{"file", "my save.hzm"}));
    CHECK(parse_action("ok") == (WebAction{"ok", ""}));
    CHECK(dialog_answered(parse_action("chosen 2")) == "chooser");
    CHECK(dialog_answered(parse_action("file-cancel")) == "file");
    CHECK(dialog_answered(parse_action("slot refresh")) == "slots");
    CHECK(dialog_answered(parse_action("click labmain")).empty());
    CHECK(dialog_answered(parse_action("close")).empty());
}

void urls() {
    CHECK(site_url("/hazama", "/hazama/gra/h03_ie.jpg") == "gra/h03_ie.jpg");
    CHECK(site_url("/hazama/", "/hazama/music/mind+mie.mid") == "music/mind%2Bmie.mid");
    CHECK(site_url("/hazama", "/hazama/gra/a b\xE3\x81\x82.jpg") == "gra/a%20b%E3%81%82.jpg");
    // Nothing outside the game's folder is ever asked of the site.
    CHECK(!site_url("/hazama", "/etc/passwd"));
    CHECK(!site_url("/hazama", "/hazama/../etc/passwd"));
    CHECK(!site_url("/hazama", "/hazamax/gra/a.jpg"));
    CHECK(!site_url("/hazama", "/hazama/gra//a.jpg"));
}

void file_names() {
    namespace fs = std::filesystem;
    const fs::path folder = "/tmp/saves";
    fs::create_directories(folder / "sub.hzm");
    for (const char* name : {"b.hzm", "a.HZM", "notes.txt", ".hzm"}) std::ofstream(folder / name);
    CHECK(files_with_extension(folder.string(), "hzm") ==
          (std::vector<std::string>{"a.HZM", "b.hzm"}));
    CHECK(files_with_extension("/tmp/none", "hzm").empty());
    CHECK(joined_lines({"a.hzm", "b.hzm"}) == "a.hzm\nb.hzm");

    const std::string dir = "/tmp/saves/";
    CHECK(file_in(dir, "first", "hzm") == "/tmp/saves/first.hzm");
    CHECK(file_in("/tmp/saves", "  first.hzm ", "hzm") == "/tmp/saves/first.hzm");
    CHECK(file_in(dir, "old.sav", "hzm") == "/tmp/saves/old.sav");
    CHECK(file_in(dir, "trailing.", "hzm") == "/tmp/saves/trailing.hzm");
    CHECK(file_in(dir, ".hidden", "hzm") == "/tmp/saves/.hidden.hzm");
    for (const char* refused : {"", "  ", ".", "..", "../up", "a/b", "a\\b", "tab\tin"})
        CHECK(!file_in(dir, refused, "hzm"));
}

void real_time_timers() {
    WebTimers timers;
    std::vector<char> ticks;
    timers.set(
        TimerId::Timer1, 10, [&] { ticks.push_back('1'); }, 0);
    timers.set(
        TimerId::Timer2, 300, [&] { ticks.push_back('2'); }, 0);
    CHECK(timers.next_due() == 10u);
    timers.fire_due(9);
    CHECK(ticks.empty());
    // Late by far more than its interval, a timer fires once and is due an interval later.
    timers.fire_due(305);
    CHECK(ticks == (std::vector<char>{'1', '2'}));
    CHECK(timers.next_due() == 315u);
    timers.set_interval(TimerId::Timer1, 0, 305);
    CHECK(timers.next_due() == 600u);
    timers.stop_all();
    CHECK(!timers.next_due());
}

void virtual_timers() {
    WebTimers timers;
    std::vector<std::uint32_t> at;
    std::uint32_t clock = 0;
    bool closing = false;
    timers.set(
        TimerId::Timer1, 10, [&] { at.push_back(clock); }, 0);
    timers.set(
        TimerId::Timer2, 25, [&] { at.push_back(1000 + clock); }, 0);
    // Every tick on the way, in order, with the clock at its due time; then the deadline.
    timers.advance(clock, 30, closing);
    CHECK(at == (std::vector<std::uint32_t>{10, 20, 1025, 30}));
    CHECK(clock == 30);
    // A tick that closes the game stops the clock where it is.
    timers.set(
        TimerId::Timer1, 5, [&] { closing = true; }, clock);
    timers.advance(clock, 100, closing);
    CHECK(clock == 35);
    // Across the 32-bit wrap.
    WebTimers wrapping;
    int count = 0;
    std::uint32_t late = 0xFFFFFFF0u;
    bool open = false;
    wrapping.set(
        TimerId::Timer1, 10, [&] { ++count; }, late);
    wrapping.advance(late, 0x10, open);
    CHECK(count == 3 && late == 0x10);
}

// English laid out for the page: the byte counts of letter-by-letter text become UTF-16
// units, and each line and break is cut to what shows.
void english_lines() {
    const MeasureText ten = [](std::u16string_view text) {
        return 10 * static_cast<int>(text.size());
    };
    CHECK(!english_lines_json("\xE3\x81\x82 a", 4, ten));  // Japanese is the page's to wrap
    // 51 units to a line of 513 px; the speech hangs 50 px in, after "Mom: ".
    const std::string speech =
        "Mom: \xE2\x80\x9C" + std::string(40, 'a') + " " + std::string(20, 'b') + " c\xE2\x80\x9D";
    const std::string head = R"({"size":18,"step":21,"indent":50,"lines":[)";
    const std::string first = "\"Mom: \xE2\x80\x9C" + std::string(40, 'a') + "\"";
    CHECK(english_lines_json(speech, speech.size(), ten) ==
          head + first + ",\"" + std::string(20, 'b') + " c\xE2\x80\x9D\"],\"breaks\":[\" \"]}");
    // Shown up to the first b (the quote is 3 bytes but one unit): one letter on line two.
    CHECK(english_lines_json(speech, 8 + 40 + 2, ten) ==
          head + first + ",\"b\"],\"breaks\":[\" \"]}");
    CHECK(english_lines_json(speech, 8 + 40, ten) == head + first + R"(],"breaks":[]})");
}

}  // namespace

int main() {
    actions();
    urls();
    file_names();
    real_time_timers();
    virtual_timers();
    english_lines();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
