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
#include "platform/qt_picture_decoder.h"
#include "platform/virtual_platform.h"

namespace hazama {
namespace {

std::vector<std::string> split(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool to_number(const std::string& text, long& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

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

// A parse failure of one script line.
struct BadLine {
    std::string why;
};

class Runner {
  public:
    Runner(std::ostream& out, const RunnerOptions& options)
        : out_(out), options_(options), platform_(device_), form_(platform_, options.assets) {
        platform_.decoder = decode_picture;
        platform_.on_note = [this](const std::string& line) { out_ << line << '\n'; };
        platform_.reader = [this] { form_.labmain_Click(); };
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

    // Runs one parsed command; false once the game has been closed.
    bool run(const std::vector<std::string>& w, const std::string& line) {
        out_ << "> " << line << '\n';
        const std::string& verb = w[0];
        if (verb == "new") {
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
            set_state(w);
        } else if (verb == "music-ends") {
            device_.end_piece();
        } else if (verb == "wait") {
            platform_.advance(static_cast<std::uint32_t>(std::stoul(w[1])));
        } else if (verb == "history" || verb == "auto" || verb == "skip" || verb == "ctrl" ||
                   verb == "text" || verb == "skip-mode") {
            reading_command(w);
        } else if (verb == "lang") {
            form_.set_language(*language_named(w[1]));
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

    static void check(const std::vector<std::string>& w) {
        const std::string& verb = w[0];
        long n = 0;
        auto arity = [&](std::size_t count) {
            if (w.size() != count)
                throw BadLine{"'" + verb + "' takes " + std::to_string(count - 1) + " argument(s)"};
        };
        if (verb == "new" || verb == "look" || verb == "talk" || verb == "music-ends" ||
            verb == "quit") {
            arity(1);
        } else if (verb == "move") {
            arity(2);
            if (w[1] != "close" && !(to_number(w[1], n) && n >= 0 && n <= 3)) {
                throw BadLine{"move takes a button 0..3 or 'close'"};
            }
        } else if (verb == "history") {
            arity(1);
        } else if (verb == "lang") {
            arity(2);
            if (!language_named(w[1])) throw BadLine{"lang takes 'en' or 'ja'"};
        } else if (verb == "auto" || verb == "skip" || verb == "ctrl" || verb == "text" ||
                   verb == "skip-mode") {
            arity(2);
            const std::string& a = w[1];
            const bool speed = a == "slow" || a == "normal" || a == "fast";
            const bool known = verb == "auto"        ? (a == "on" || a == "off" || speed)
                               : verb == "text"      ? (a == "instant" || speed)
                               : verb == "skip"      ? (a == "on" || a == "off")
                               : verb == "skip-mode" ? (a == "read" || a == "all")
                                                     : (a == "down" || a == "up");
            if (!known) throw BadLine{"unknown setting '" + a + "' for " + verb};
        } else if (verb == "save" || verb == "load" || verb == "snapshot") {
            if (w.size() < 2) throw BadLine{"'" + verb + "' needs a path"};
        } else if (verb == "wait") {
            arity(2);
            if (!to_number(w[1], n) || n < 0) throw BadLine{"wait takes milliseconds"};
        } else if (verb == "set") {
            if (w.size() < 2) throw BadLine{"set needs NAME=VALUE"};
            for (std::size_t i = 1; i < w.size(); ++i) {
                const auto eq = w[i].find('=');
                if (eq == std::string::npos) throw BadLine{"set needs NAME=VALUE: " + w[i]};
                const std::string name = w[i].substr(0, eq);
                if (name == "music") continue;
                if (name != "game" && name != "position" && name != "light" && name != "x00" &&
                    name != "f00") {
                    throw BadLine{"unknown state '" + name + "'"};
                }
                if (!to_number(w[i].substr(eq + 1), n) || n < 0 || n > 255) {
                    throw BadLine{name + " takes a number 0..255"};
                }
            }
        } else {
            throw BadLine{"unknown command '" + verb + "'"};
        }
    }

  private:
    template <typename Action>
    void press(Control button, Action action) {
        if (!form_.visible(button) || !form_.enabled(button)) {
            out_ << "refused " << button_name(button)->command << '\n';
            return;
        }
        try {
            action();
        } catch (const GameClosed&) {
        }
    }

    // The rest of the line after the verb, so that paths may hold spaces.
    static std::string path_of(const std::string& line) {
        const auto start = line.find_first_not_of(" \t", line.find_first_of(" \t"));
        auto end = line.find_last_not_of(" \t");
        return line.substr(start, end - start + 1);
    }

    void set_state(const std::vector<std::string>& w) {
        for (std::size_t i = 1; i < w.size(); ++i) {
            const auto eq = w[i].find('=');
            const std::string name = w[i].substr(0, eq);
            const std::string value = w[i].substr(eq + 1);
            if (name == "music") {
                form_.MusicFile = value;
                continue;
            }
            const auto byte = static_cast<std::uint8_t>(std::stoi(value));
            if (name == "game") form_.game = byte;
            if (name == "position") form_.position = byte;
            if (name == "light") form_.light = byte;
            if (name == "x00") form_.x00 = byte;
            if (name == "f00") form_.f00 = byte;
        }
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

    std::ostream& out_;
    RunnerOptions options_;
    RecordingMediaDevice device_;
    VirtualPlatform platform_;
    MainForm form_;
};

}  // namespace

int run_story(std::istream& script, std::ostream& out, std::ostream& err,
              const RunnerOptions& options) {
    RunnerOptions absolute = options;
    absolute.assets = std::filesystem::absolute(options.assets).lexically_normal();
    const TemporaryFolder fresh(options.data.empty());
    if (options.data.empty()) absolute.data = fresh.path();
    Runner runner(out, absolute);
    std::string line;
    int number = 0;
    try {
        while (std::getline(script, line)) {
            ++number;
            if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
            const auto words = split(line);
            if (words.empty()) continue;
            try {
                Runner::check(words);
            } catch (const BadLine& bad) {
                err << "line " << number << ": " << bad.why << ": " << line << '\n';
                return 2;
            }
            const auto first = line.find_first_not_of(" \t");
            const auto last = line.find_last_not_of(" \t");
            if (!runner.run(words, line.substr(first, last - first + 1))) break;
        }
    } catch (const FatalError& e) {
        err << e.what() << '\n';
        return 1;
    } catch (const StoryStalled& e) {
        err << "line " << number << ": " << e.what() << '\n';
        return 3;
    } catch (const std::exception& e) {
        // A fault of the game or the runner, not a story that stands still.
        err << "line " << number << ": failed: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace hazama
