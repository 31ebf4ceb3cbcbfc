// Runs every command at every location in every story state on the virtual platform, and
// reports what went wrong and every message shown on the way.
#pragma once

#include <array>
#include <set>
#include <string>
#include <vector>

#include "core/form_fixture.h"

namespace hazama::testing {

// A virtual platform whose every wait overshoots its deadline by an hour, so each dissolve,
// pause or roll ends at its first look at the clock: the sweep is about where the scripts
// go, not about their frames. The timers are re-armed from the new time and never tick.
class LeapingPlatform : public VirtualPlatform {
  public:
    using VirtualPlatform::VirtualPlatform;
    void wait_until(std::uint32_t deadline) override {
        set_now(deadline + 3'600'000u);
        set_timer_interval(TimerId::Timer1, timer_interval(TimerId::Timer1));
        set_timer_interval(TimerId::Timer2, timer_interval(TimerId::Timer2));
    }
};

struct SweepOutcome {
    int runs = 0;
    std::vector<std::string> failures;  // "position 3 game 17 light 0 look: ..."
    std::set<std::string> messages;     // every text shown, CR LF as written
};

enum class Command { arrive, talk, look, move_cancelled };

inline const char* command_name(Command c) {
    switch (c) {
        case Command::arrive:
            return "arrive";
        case Command::talk:
            return "talk";
        case Command::look:
            return "look";
        case Command::move_cancelled:
            return "cancelled move";
    }
    return "?";
}

class LocationSweep {
  public:
    LocationSweep() {
        // The only file read outside the decoder is the staff roll.
        folder_.write("gra/staff.txt",
                      "\"原作・プログラム\"\n\"　作者\"\n\"音楽\"\n\"　作曲者\"\n");
        // Blank pictures of the sizes the game's files have; only the panorama is large.
        platform_.decoder = [](const std::string& path, Plane& into, std::string&) {
            if (path.ends_with("i15_see2.jpg")) {
                into.resize(1280, 960);
            } else {
                into.resize(1, 1);
            }
            return true;
        };
        platform_.reader = [this] {
            outcome_.messages.insert(platform_.message_text());
            form_.labmain_Click();
        };
        platform_.on_note = [this](const std::string& line) {
            if (line.rfind("chooser ", 0) != 0) ++notes_;
        };
        for (Plane& p : form_.picmain) p.resize(512, 384);
        form_.Form_Load();
    }

    LocationSweep(const LocationSweep&) = delete;
    LocationSweep& operator=(const LocationSweep&) = delete;

    SweepOutcome run() {
        std::vector<int> every_game(256);
        for (int g = 0; g <= 255; ++g) every_game[g] = g;
        // The prologue and the ending read no state at all: a few values stand for all.
        const std::vector<int> some_games = {0, 1, 48, 255};
        for (int position = 0; position <= 19; ++position) {
            const int doors = position == 6 ? 3 : 1;  // x00 matters only at the front door
            const bool stateless = position == 0 || position == 15;
            for (int x00 = 0; x00 < doors; ++x00)
                for (int light = 0; light <= 1; ++light)
                    for (int game : stateless ? some_games : every_game)
                        for (Command c : {Command::arrive, Command::talk, Command::look,
                                          Command::move_cancelled})
                            run_one(position, game, light, x00, c);
        }
        return outcome_;
    }

  private:
    static constexpr Control kGroup[] = {Control::commove, Control::comtalk, Control::comlook,
                                         Control::comsave, Control::comload};

    void run_one(int position, int game, int light, int x00, Command command) {
        ++outcome_.runs;
        form_.position = static_cast<std::uint8_t>(position);
        form_.game = static_cast<std::uint8_t>(game);
        form_.light = static_cast<std::uint8_t>(light);
        form_.x00 = static_cast<std::uint8_t>(x00);
        form_.f00 = 0;
        form_.mes = 0;
        form_.MusicFile.clear();
        form_.set_visible(Control::comend, false);
        form_.com();
        notes_ = 0;
        std::string where = "position " + std::to_string(position) + " game " +
                            std::to_string(game) + " light " + std::to_string(light);
        if (position == 6) where += " x00 " + std::to_string(x00);
        where += std::string(" ") + command_name(command) + ": ";
        try {
            switch (command) {
                case Command::arrive:
                    form_.com_no();
                    form_.ikisaki();
                    break;
                case Command::talk:
                    form_.comtalk_Click();
                    break;
                case Command::look:
                    form_.comlook_Click();
                    break;
                case Command::move_cancelled:
                    platform_.chooser_answers.push_back(-1);
                    form_.commove_Click();
                    break;
            }
        } catch (const std::exception& e) {
            outcome_.failures.push_back(where + e.what());
            platform_.chooser_answers.clear();
            return;
        }
        if (std::string why = check_end(position); !why.empty())
            outcome_.failures.push_back(where + why);
    }

    // What the window must look like when the command is over; empty when it does.
    std::string check_end(int position) const {
        bool all_enabled = true, all_disabled = true;
        for (Control c : kGroup) {
            all_enabled = all_enabled && form_.enabled(c);
            all_disabled = all_disabled && !form_.enabled(c);
        }
        if (position >= 16) {
            if (notes_ != 0) return "the routine did something";
            if (!all_disabled) return "something enabled the buttons";
            return "";
        }
        if (position == 15) {
            // The ending: only the quit button is left.
            if (!form_.visible(Control::comend)) return "no quit button after the ending";
            if (!all_disabled) return "buttons enabled after the ending";
            return "";
        }
        if (!all_enabled) return "buttons left disabled";
        if (form_.f00 != 0) return "f00 left at " + std::to_string(form_.f00);
        if (!platform_.message_text().empty()) return "message line not cleared";
        if (form_.visible(Control::picface)) return "portrait left shown";
        return "";
    }

    ScratchFolder folder_{"sweep"};
    RecordingMediaDevice device_;
    LeapingPlatform platform_{device_};
    MainForm form_{platform_, folder_.path()};
    SweepOutcome outcome_;
    int notes_ = 0;
};

}  // namespace hazama::testing
