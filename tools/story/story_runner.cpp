// The story runner: plays the real game core on the virtual platform from a command script.
#include "story_runner.h"

#include <charconv>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "audio/recording_media_device.h"
#include "form/main_form.h"
#include "form/scoped_value.h"
#include "platform/qt_picture_decoder.h"
#include "platform/settings_file.h"
#include "platform/virtual_platform.h"
#include "replay/line_steps.h"
#include "replay/replay_gate.h"
#include "replay/replayer.h"
#include "replay/slot_file.h"
#include "runner_check.h"

namespace hazama {
namespace {

// A folder of its own for one run's read record, removed afterwards.
class TemporaryFolder {
  public:
    explicit TemporaryFolder(bool wanted) {
        if (!wanted) return;
        std::string name =
            (std::filesystem::temp_directory_path() / "hazama-story-XXXXXX").string();
        if (mkdtemp(name.data()) != nullptr) path_ = name;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The script ended while the runner held at a restored line.
struct EndOfScript {};

class Runner {
  public:
    Runner(std::istream& script, std::ostream& out, const RunnerOptions& options)
        : script_(script),
          out_(out),
          options_(options),
          platform_(device_),
          gate_(platform_),
          form_(gate_, options.assets),
          replayer_(form_, gate_) {
        make_this_qt_main_thread();  // slots decode their pictures ahead on a thread
        platform_.decoder = decode_picture;
        platform_.on_note = [this](const std::string& line) { out_ << line << '\n'; };
        platform_.reader = [this] {
            if (holding_) {
                hold();
            } else {
                form_.labmain_Click();
            }
        };
        replayer_.on_changed_story = [this](const Position& asked, const Position& nearest) {
            out_ << "story changed: message " << asked.message
                 << " is out of reach; nearest arrival at message " << nearest.message << '\n';
        };
        form_.reading().set_data_folder(options.data);
        form_.set_language(options.language);
        form_.Form_Load();
    }
    // What a script that ends without quitting has read is kept for the next run with the
    // same data; quitting keeps it through the game's own exit.
    ~Runner() {
        if (!platform_.closing()) form_.reading().record().save();
    }
    Runner(const Runner&) = delete;
    Runner& operator=(const Runner&) = delete;

    // Runs the script to its end, or until the game is closed.
    void play() {
        std::vector<std::string> words;
        std::string line;
        while (next(words, line)) {
            if (!run(words, line)) break;
        }
    }

    // The next command of the script, checked; false at its end. BadLine when it cannot
    // be parsed.
    bool next(std::vector<std::string>& words, std::string& line) {
        while (std::getline(script_, line)) {
            ++number_;
            if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
            words = split(line);
            if (words.empty()) continue;
            try {
                check_command(words);
            } catch (BadLine& bad) {
                bad.line = line;
                throw;
            }
            const auto first = line.find_first_not_of(" \t");
            const auto last = line.find_last_not_of(" \t");
            line = line.substr(first, last - first + 1);
            return true;
        }
        return false;
    }
    int line_number() const { return number_; }

    // Runs one parsed command; false once the game has been closed.
    bool run(const std::vector<std::string>& w, const std::string& line) {
        out_ << "> " << line << '\n';
        const std::string& verb = w[0];
        if (positions_command(w, line)) {
        } else if (verb == "new") {
            press(Control::comstart, [&] { form_.comstart_Click(); });
        } else if (verb == "look") {
            press(Control::comlook, [&] { form_.comlook_Click(); });
        } else if (verb == "talk") {
            press(Control::comtalk, [&] { form_.comtalk_Click(); });
        } else if (verb == "move") {
            press(Control::commove, [&] {
                platform_.chooser_answers.push_back(w[1] == "close" ? -1 : std::stoi(w[1]));
                form_.commove_Click();
            });
        } else if (verb == "save" || verb == "load") {
            const bool save = verb == "save";
            press(save ? Control::comsave : Control::comload, [&] {
                platform_.file_answers.push_back(
                    w[1] == "cancel" ? std::nullopt : std::optional<std::string>(path_of(line)));
                save ? form_.comsave_Click() : form_.comload_Click();
            });
        } else if (verb == "set") {
            form_.log_command(line);
            set_values(form_, line);
        } else if (verb == "music-ends") {
            device_.end_piece();
        } else if (verb == "wait") {
            platform_.advance(static_cast<std::uint32_t>(std::stoul(w[1])));
        } else if (verb == "history" || verb == "auto" || verb == "skip" || verb == "ctrl" ||
                   verb == "text" || verb == "skip-mode") {
            reading_command(w);
        } else if (verb == "lang") {
            form_.set_language(*language_named(w[1]));
            remember_choices();
        } else if (verb == "snapshot") {
            snapshot(path_of(line));
        } else if (verb == "quit") {
            if (form_.visible(Control::comend) && form_.enabled(Control::comend)) {
                form_.comend_Click();
            } else {
                form_.Form_Unload();
            }
        }
        if (platform_.closing()) return false;
        print_state();
        return true;
    }

  private:
    template <typename Action>
    void press(Control button, Action action) {
        if (!form_.visible(button) || !form_.enabled(button)) {
            out_ << "refused " << button_name(button)->command << '\n';
            return;
        }
        try {
            replayer_.run(action);
        } catch (const GameClosed&) {
        }
        if (holds_ == 0) holding_ = false;
    }

    // The commands that take and restore positions; false for any other.
    bool positions_command(const std::vector<std::string>& w, const std::string& line) {
        const std::string& verb = w[0];
        if (verb == "go") {
            return true;  // holding, hold() takes it; else there is nothing to release
        } else if (verb == "back") {
            if (const auto position = replayer_.back(std::stoi(w[1]))) {
                restore(*position);
            } else {
                out_ << "refused back\n";
            }
        } else if (verb == "step") {
            // The player's going back and forward again (Ctrl+Z and Ctrl+Y).
            if (const auto position = w[1] == "back" ? steps_.back() : steps_.forward()) {
                restore(*position);
            } else {
                out_ << "refused step " << w[1] << '\n';
            }
        } else if (verb == "quicksave" || (verb == "slot" && w[1] == "save")) {
            save_slot(verb == "slot" ? w[2] : "quick");
        } else if (verb == "quickload" || verb == "slot") {
            std::string why;
            const std::string name = verb == "slot" ? w[2] : "quick";
            if (const auto slot = read_slot(slot_path(options_.data, name), why)) {
                replayer_.prefetch(slot->pictures);
                restore(slot->position);
            } else {
                out_ << "slot refused " << name << ": " << why << '\n';
            }
        } else if (verb == "load-state") {
            press(Control::comload, [&] {
                if (!replayer_.perform(line)) out_ << "refused load-state\n";
            });
        } else {
            return false;
        }
        return true;
    }

    void save_slot(const std::string& name) {
        if (!replayer_.can_take()) {
            out_ << "refused slot save\n";
            return;
        }
        const Position here = replayer_.here();
        try {
            write_slot(slot_path(options_.data, name), describe_slot(form_, here));
            out_ << "slot saved " << name << " at message " << here.message
                 << (here.at_line ? "" : " idle") << '\n';
        } catch (const FileError& failure) {
            form_.note_file_error(failure);
        }
    }

    // Restores `position`; held at its line until "go" (a nested command may restore another).
    void restore(const Position& position) {
        out_ << "replay to message " << position.message << '\n';
        holding_ = position.at_line;
        if (holds_ == 0) {
            try {
                replayer_.run([&] { replayer_.request(position); });
            } catch (const GameClosed&) {
            }
            holding_ = false;
        } else {
            replayer_.request(position);
        }
    }

    // A restored line waits: the script's next commands run while it does, until "go"
    // releases it or a command asks for another position.
    void hold() {
        holding_ = false;
        const ScopedValue depth(holds_, holds_ + 1);
        std::vector<std::string> words;
        std::string line;
        while (next(words, line)) {
            if (words[0] == "go") {
                out_ << "> go\n";
                form_.labmain_Click();
                return;
            }
            if (!run(words, line) || form_.interrupted()) return;
        }
        throw EndOfScript{};
    }

    // The rest of the line after the verb, so that paths may hold spaces.
    static std::string path_of(const std::string& line) {
        const auto start = line.find_first_not_of(" \t", line.find_first_of(" \t"));
        auto end = line.find_last_not_of(" \t");
        return line.substr(start, end - start + 1);
    }

    // The reader's controls; the reader of the script leaves auto-advanced lines alone.
    void reading_command(const std::vector<std::string>& w) {
        const std::string& verb = w[0];
        if (verb == "history") {
            for (const HistoryEntry& entry : form_.reading().history().entries())
                out_ << "history " << (entry.divider ? "―" : one_line(form_.translated(entry.text)))
                     << '\n';
        } else if (verb == "auto") {
            if (w[1] == "slow") form_.set_auto_speed(AutoSpeed::slow);
            if (w[1] == "normal") form_.set_auto_speed(AutoSpeed::normal);
            if (w[1] == "fast") form_.set_auto_speed(AutoSpeed::fast);
            form_.set_auto(w[1] != "off");
        } else if (verb == "skip") {
            form_.set_skip(w[1] == "on");
        } else if (verb == "skip-mode") {
            form_.set_skip_mode(w[1] == "all" ? SkipMode::all : SkipMode::read);
        } else if (verb == "text") {
            form_.set_text_speed(w[1] == "slow"     ? TextSpeed::slow
                                 : w[1] == "normal" ? TextSpeed::normal
                                 : w[1] == "fast"   ? TextSpeed::fast
                                                    : TextSpeed::instant);
        } else {
            form_.set_ctrl(w[1] == "down");
        }
        platform_.reading_ms = form_.reading().auto_on() ? VirtualPlatform::kNeverReads : 0;
        remember_choices();
    }

    // The choices the reader's commands made, written as the window writes its settings.
    void remember_choices() {
        if (options_.settings.empty()) return;
        const Reading& r = form_.reading();
        const char* speeds[] = {"slow", "normal", "fast"};
        const char* text_speeds[] = {"instant", "slow", "normal", "fast"};
        const SettingValues values{{"auto_advance", r.auto_on() ? "true" : "false"},
                                   {"auto_speed", speeds[static_cast<int>(r.auto_speed())]},
                                   {"skip_mode", r.skip_mode() == SkipMode::all ? "all" : "read"},
                                   {"text_speed", text_speeds[static_cast<int>(r.text_speed())]},
                                   {"language", language_code(form_.language())}};
        try {
            write_settings_file(options_.settings, values);
        } catch (const FileError& failure) {
            form_.note_file_error(failure);
        }
    }

    void snapshot(const std::string& path) {
        std::filesystem::path target(path);
        if (target.is_relative() && !options_.snapshots.empty())
            target = options_.snapshots / target;
        if (!write_png(form_.picmain[0], target.string())) {
            out_ << "snapshot failed " << target.string() << '\n';
        }
    }

    void print_state() {
        out_ << "state game=" << int(form_.game) << " position=" << int(form_.position)
             << " light=" << int(form_.light) << " f00=" << int(form_.f00)
             << " x00=" << int(form_.x00) << " music=" << form_.MusicFile << '\n';
    }

    std::istream& script_;
    std::ostream& out_;
    RunnerOptions options_;
    RecordingMediaDevice device_;
    VirtualPlatform platform_;
    ReplayGate gate_;
    MainForm form_;
    Replayer replayer_;
    LineSteps steps_{replayer_};
    int number_ = 0;
    bool holding_ = false;  // the next line that waits is a restored one: hold there
    int holds_ = 0;         // holds now running, one inside another
};

}  // namespace

int run_story(std::istream& script, std::ostream& out, std::ostream& err,
              const RunnerOptions& options) {
    RunnerOptions absolute = options;
    absolute.assets = std::filesystem::absolute(options.assets).lexically_normal();
    const TemporaryFolder fresh(options.data.empty());
    if (options.data.empty()) absolute.data = fresh.path();
    Runner runner(script, out, absolute);
    try {
        runner.play();
    } catch (const BadLine& bad) {
        err << "line " << runner.line_number() << ": " << bad.why << ": " << bad.line << '\n';
        return 2;
    } catch (const EndOfScript&) {
    } catch (const FatalError& e) {
        err << e.what() << '\n';
        return 1;
    } catch (const StoryStalled& e) {
        err << "line " << runner.line_number() << ": " << e.what() << '\n';
        return 3;
    } catch (const std::exception& e) {
        // A fault of the game or the runner, not a story that stands still.
        err << "line " << runner.line_number() << ": failed: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace hazama
