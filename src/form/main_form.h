// The main form object: the game state and every operation the location routines call.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "form/form_handler.h"
#include "graphics/dither.h"
#include "graphics/plane.h"
#include "platform/platform.h"
#include "reading/reading.h"
#include "reading/story_clock.h"
#include "replay/command_log.h"
#include "text/catalogue.h"

namespace hazama {

// Thrown out of a wait when the window closes; unwinds the running script to the handler
// that started it.
struct GameClosed {};

// Thrown out of a wait when the player asks for another position: unwinds the running
// script to the replayer, which then restores it.
struct Rewind {};

// A picture or data file the game cannot do without is missing or unreadable.
class FatalError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One redraw of a timed animation.
struct AnimationFrame {
    int value;             // elapsed × frame_count / duration, rounded down
    int previous;          // the value of the redraw before
    std::int64_t elapsed;  // ms on the story clock since the animation began
};

// What sets one timed animation apart from the others.
struct AnimationStyle {
    // When it began on the story clock; the time animate() is called when none is given.
    std::optional<std::uint32_t> start = std::nullopt;
    // The value counted as drawn before the first redraw: 0 leaves value 0 undrawn.
    int drawn = 0;
    // Whether each redraw refreshes the screen (not when only labels move).
    bool refresh = true;
    // Whether each redraw covers whatever the ones before it drew: a replay, which nobody
    // sees, then draws only the last value.
    bool covers = false;
};

class MainForm {
  public:
    // `root` is the program's folder, which holds gra/ and music/.
    MainForm(Platform& platform, std::filesystem::path root);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // ---- game state (all zero or empty at creation) ----
    std::uint8_t game = 0;      // story progress
    std::uint8_t position = 0;  // current location 0..19
    std::uint8_t f00 = 0;       // pending command: 0 arrive/idle, 1 move, 2 talk, 3 look
    std::uint8_t light = 0;     // picture variant: 0 day, 1 dark
    std::uint8_t x00 = 0;       // door state of location 6
    std::uint8_t mes = 0;       // 1 while a line waits for the reader
    std::uint8_t moup = 0;      // phase of the waiting indicator
    std::string MusicFile;      // the piece now heard; "0" or empty when none
    std::int16_t ret = 0;       // result of the last music command
    std::string errStr;         // reply or error text of the last music command

    // ---- life cycle (window and shell) ----
    void Form_Load();
    void comstart_Click();
    void start();
    void comend_Click();
    void Form_Unload();

    // ---- message line and waiting ----
    void message(std::string_view text);
    void messtop();
    void pause_ms(int ms);
    void Form_KeyPress(int key_ascii);
    void Form_Click();
    void labmain_Click() { Form_Click(); }
    void labcopy_Click() { Form_Click(); }
    void picface_Click() { Form_Click(); }
    void piclogo_Click() { Form_Click(); }
    void picmain_Click() { Form_Click(); }
    void imamou0_Click() { Form_Click(); }
    void imamou1_Click() { Form_Click(); }
    void Timer2_Timer();

    // ---- the reader's controls: auto-advance, skip, Ctrl held, the history ----
    Reading& reading() { return reading_; }
    void set_auto(bool on);
    void set_auto_speed(AutoSpeed speed);
    void set_skip(bool on);
    void set_ctrl(bool held);
    // Ctrl pressed on the keyboard: held, skipping once it has been held a moment, unless a
    // key pressed with it (Ctrl+C) makes it a chord.
    void press_ctrl();
    void ctrl_chord();
    // The line on the message line to the clipboard, speaker and text as shown.
    void copy_line();
    // The text on the message line; empty once a command has ended.
    const std::string& message_line() const { return message_line_; }
    void set_skip_mode(SkipMode mode);
    void set_text_speed(TextSpeed speed);
    void set_copy_lines(bool on);
    // The message line and the portrait hidden to see the picture: allowed where the history
    // is; auto and skip wait until they are shown again. False when it may not hide now.
    bool set_text_hidden(bool hidden);
    // Skip ends by itself at an unread line, the chooser, a file dialog and after a load.
    void stop_skip();
    // The history may open while a line waits or nothing runs, not inside a fade, a pause
    // or a sequence. Closing it is no release: the line goes on waiting.
    bool history_allowed() const { return busy_ != Busy::timed; }
    bool open_history();
    void close_history();
    // The window's menu is open: auto and skip wait for it as for the history.
    void set_menu_open(bool open);

    // ---- the language the player reads in ----
    // Japanese is the key of every text; in English the catalogue gives what is shown (a text
    // it lacks stays Japanese). Switching redraws the waiting line, and a line still appearing
    // letter by letter shows whole, in the other language.
    Language language() const { return translator_.language(); }
    void set_language(Language language);
    const Translator& translator() const { return translator_; }
    // A text of the game in the language in force.
    std::string translated(std::string_view japanese) const { return translator_.text(japanese); }
    // For learners: while `held`, the line on screen (and each line shown meanwhile) is in
    // English, and copied so, though the language stays Japanese; let go, it is Japanese
    // again. Nothing in English.
    void peek_english(bool held);
    // The staff file of the language in force: gra/staff.txt, or gra/staff_en.txt in English
    // (the Japanese one where that is missing).
    std::filesystem::path staff_file() const;
    // The Japanese of the line on the message line (the key of what is shown); empty when none.
    const std::string& message_key() const { return message_key_; }

    // ---- commands ----
    void com();
    void com_no();
    void ikisaki();
    void comlook_Click();
    void comtalk_Click();
    void commove_Click();

    // ---- save and load ----
    void comsave_Click();
    void comload_Click();
    // Play resumes at the loaded location (after the load's values are in place).
    void resume_loaded();

    // ---- music ----
    std::int32_t mci_send(const std::string& command, std::string& reply);
    void music(std::string_view name);
    void music(int zero) { music(std::to_string(zero)); }
    void Timer1_Timer();
    void set_timer1_interval(int interval_ms);
    // The player's volume in percent (0 mutes). Only the sound changes: no command is sent
    // and nothing is traced, so a muted piece plays, ends and loops as before.
    void set_volume(int percent);

    // ---- pictures ----
    // Loads "gra/<file>" into picmain(plane); plane 5 takes the picture's size.
    void picture(int plane, std::string_view file);
    // Sets plane 3 from the silhouette picmask(k).
    void mask(int k);
    // A plain SRCCOPY block copy between planes (insets, panorama windows).
    void copy(int dst, int dx, int dy, int w, int h, int src, int sx, int sy);
    void fade(int scrolltime, int op);
    void lay(int cha_x, int cha_y);
    void lays(int cha_x, int cha_y, int width, int height);
    void face(std::string_view name);
    void face(int zero);
    void reverse();
    void stardust();

    // ---- opening and ending ----
    void opening();
    // Whether the opening runs now, and whether it may be cut short: the read record says it
    // was watched through before. A seen opening ends at once at its last frame when asked
    // (a click), or once Ctrl is held.
    bool in_opening() const { return opening_ != Opening::none; }
    bool opening_skippable() const { return opening_ == Opening::seen; }
    void skip_opening();
    void staffset(int num, std::string_view word, int x, int y);
    void lastscr();
    void lastest();
    void ending();

    // ---- the location routines ----
    void g00();
    void g01();
    void g02();
    void g03();
    void g04();
    void g05();
    void g06();
    void g07();
    void g08();
    void g09();
    void g10();
    void g11();
    void g12();
    void g13();
    void g14();
    void g15();
    void g16();
    void g17();
    void g18();
    void g19();

    // ---- long scenes of the location routines, one block per location ----
    // (a scene gets its own member, defined beside its routine in scenario/gNN_*.cpp)
    // location 3:
    void rumour_of_the_house();      // 蓮美 tells why nobody should live there
    void hasumi_after_club();        // evening: 蓮美 will not believe anyone lives there
    void door_that_will_not_open();  // after the results: 蓮美 and the shut house
    void last_farewell();            // his voice behind her, and then he is gone
    void figure_on_road(std::string_view file, int k);  // a figure laid before the house
    void house_window(std::string_view patch);          // a patch over the house's window
    // location 4:
    void mother_at_the_table();           // the mother laid over the dining room
    void lecture_and_a_night_of_study();  // scolded, then a night at the desk that flies by
    void the_morning_after();             // her mother cannot believe it; off to school
    void quarrel_and_run();               // she shouts back and runs to his house
    void what_became_of_that_family();    // her mother's account; the shut house, the window
    void the_fathers_figurine();          // a carving from that family; out to find the hut
    // location 5:
    void late_first_morning();   // in just in time; she cannot keep her mind on class
    void day_before_the_test();  // neither has studied; someone does live in that house
    void test_went_well();       // 蓮美 wonders how; the boy stays her secret
    void hasumi_in_class();      // 蓮美 laid over the classroom
    // location 9:
    void first_meeting();         // the boy carving a rabbit; the first evening
    void carving_lesson();        // few answers about him; he has her carve a rabbit
    void rabbit_finished();       // sanded, painted and waxed: her first rabbit
    void tears_and_confession();  // after the quarrel at home: comfort, then the truth
    void night_run();             // dragons for sale, and a run through the dark
    void eve_of_the_exam();       // her best dragon; the exam; the manga; passing
    void boy_layered();           // the boy laid over the stage
    void room_with_the_boy();     // his room with him in it
    // location 10:
    void first_evening_at_the_desk();  // study will not go; next morning, off to school
    void manga_instead_of_study();     // the boy on her mind; she goes to see him
    void last_manga_begun();           // the test went well; she starts a new manga
    void december_and_january();       // carving at his house, manga at home
    void february_comes();             // nothing moves between them; February
    void after_the_roof();             // blushing at her desk; then the exam eve at his house
    // location 11:
    void the_telescope();   // the building and its telescope; a wish for the exam
    void up_on_the_roof();  // lying on the roof; why he gave up the stars
    // location 12:
    void shooting_stars();  // a star too quick to wish on; side by side; the kiss

    // ---- positions: the player's commands and the lines shown (replay/) ----
    const CommandLog& log() const { return log_; }
    // Notes a command the player gives, in the runner's words, as it begins.
    void log_command(std::string text) { log_.add(std::move(text), messages_shown_, lines_shown_); }
    int messages_shown() const { return messages_shown_; }
    std::uint64_t lines_shown() const { return lines_shown_; }
    bool line_waiting() const { return busy_ == Busy::line; }
    // Called as each line begins, with its number since the start, before it is shown.
    void set_line_watch(std::function<void(int)> watch) { line_watch_ = std::move(watch); }
    // The running script ends with Rewind at its next wait.
    void interrupt();
    void clear_interrupt() { rewinding_ = false; }
    bool interrupted() const { return rewinding_; }
    // The form as the window was made: the title screen, nothing shown, nothing logged.
    // The player's reading settings and the read record stay.
    void reset();
    // Everything the form holds while nothing runs (replay/checkpoint.h): a replay may begin
    // there rather than at the start.
    struct Checkpoint;
    // `before`, when given, lends the planes that have not changed since it.
    std::shared_ptr<const Checkpoint> checkpoint(const Checkpoint* before = nullptr);
    void resume(const Checkpoint& from);
    // Hands the platform what the form keeps of the window: visibility, the scene, the
    // portrait, the reading marks; and starts the current piece from its beginning.
    void show_as_it_stands();
    // The load command after its file was read: play resumes with these values.
    void load_values(std::uint8_t saved_game, std::uint8_t saved_position, std::uint8_t saved_light,
                     const std::string& saved_music);
    // The name the chooser gives a place; empty for one it never names.
    static std::string place_name(std::uint8_t place);

    // ---- planes and labels ----
    std::array<Plane, 6> picmain;
    std::array<Plane, 6> picmask;    // picmask[0] has no picture
    Plane pictile = make_pictile();  // the dither strip, cut from the step matrix
    Plane portrait;                  // the picture of picface
    std::array<StaffLabel, kStaffLabels> labstaff;

    // ---- helpers shared by the subsystems ----
    Platform& platform() { return platform_; }
    const std::filesystem::path& root() const { return root_; }
    // Every picture loaded on the way to this moment, in the order loaded, one loaded again
    // listed again (names below the program folder): what a replay of this play will need,
    // and when.
    const std::vector<std::string>& pictures_loaded() const { return pictures_loaded_; }
    // Shows or hides a control, noting the change of a button for the trace.
    void set_visible(Control control, bool visible);
    void set_enabled(Control control, bool enabled);
    bool visible(Control control) const { return visible_[static_cast<int>(control)]; }
    bool enabled(Control control) const { return enabled_[static_cast<int>(control)]; }
    // The clock of the timed animations and pauses: the platform's, ten times faster while
    // skipping.
    std::uint32_t clock_now();
    // Waits until clock_now() reaches `deadline`, throwing GameClosed when the window
    // closes. It may return early when the reading settings change; callers check the time.
    void wait_until(std::uint32_t deadline);
    // Lets pending events run once; throws GameClosed when the window closes.
    void yield();
    // Runs a timed animation of `duration` ms on clock_now(): whenever the frame value
    // elapsed × frame_count / duration differs from the value of the previous redraw, `draw`
    // redraws, the screen is refreshed and events run once; in between it waits for the time
    // the value next changes. A late clock skips values; the duration always holds.
    void animate(int duration, int frame_count, const AnimationStyle& style,
                 const std::function<void(const AnimationFrame&)>& draw);
    void animate(int duration, int frame_count,
                 const std::function<void(const AnimationFrame&)>& draw) {
        animate(duration, frame_count, {}, draw);
    }
    // Refreshes the visible scene picture from picmain(0).
    void refresh();
    void note(const std::string& line) { platform_.note(line); }
    // The trace's line for a player file that failed: "file-error PATH: REASON".
    void note_file_error(const FileError& failure) {
        note(std::string("file-error ") + failure.what());
    }
    // Loads a picture file below the program folder, case-insensitively; FatalError if not.
    void load_file(const std::string& relative, Plane& into);

  private:
    // Visibility, enabled state and planes as the window is created: the title screen.
    void set_up_title();
    enum class Busy : std::uint8_t { idle, line, timed };
    enum class Opening : std::uint8_t { none, first, seen };
    // What the read record holds for an opening watched through (no line reads so).
    static constexpr const char* kOpeningWatched = "\x1b opening watched through";
    // Whether a seen opening is being cut short; then its animations draw nothing more.
    bool opening_cut_short();
    // The opening's last frame and credits, as a viewing to the end leaves them.
    void opening_end(const Plane& panorama);

    void throw_if_closing();
    // A line of the story as the message line shows it: in the language in force, or in
    // English while a learner holds the key.
    std::string shown_text(std::string_view japanese) const;
    // Letter-by-letter display of the line just shown, until it is whole or the reader
    // asks for it whole (letter_by_letter.cpp).
    void reveal();
    // A read record that could not be written is no news for the player (the game goes on
    // with it in memory), but the trace tells why.
    void note_record_failure();
    void show_reading_marks();
    // The platform's time, with the story clock set to the speed the reader's settings ask.
    std::uint32_t platform_now();

    Platform& platform_;
    std::filesystem::path root_;
    std::vector<std::string> pictures_loaded_;
    std::array<bool, kControlCount> visible_{};
    std::array<bool, kControlCount> enabled_{};
    int timer1_interval_ = 10;
    Reading reading_;
    StoryClock clock_;
    Busy busy_ = Busy::idle;
    Opening opening_ = Opening::none;
    bool opening_cut_ = false;
    CommandLog log_;
    int messages_shown_ = 0;
    std::uint64_t lines_shown_ = kNoLines;
    std::function<void(int)> line_watch_;
    bool rewinding_ = false;
    std::string message_line_;  // the text of labmain as shown, for the copy
    std::string message_key_;   // the same line in Japanese
    bool peeking_ = false;      // a learner holds the key that shows the English
    Translator translator_;

    // The chooser's shared arrays: captions, and the locations behind them (3 = chosen).
    std::array<std::string, 3> dest_name_;
    std::array<std::uint8_t, 4> dest_pos_{};
};

}  // namespace hazama
