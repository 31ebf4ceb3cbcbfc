// Restoring a position by replay (replayer.h).
#include "replay/replayer.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "audio/media_device.h"
#include "form/scoped_value.h"
#include "platform/asset_path.h"
#include "replay/checkpoint.h"
#include "replay/slot_check.h"

namespace hazama {
namespace {

// The replay met other lines than the position's: the story changed since it was taken.
struct StoryChanged {};

std::vector<std::string> words_of(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool byte_of(std::string_view text, std::uint8_t& value) {
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < 0 || n > 255) return false;
    value = static_cast<std::uint8_t>(n);
    return true;
}

// The position after the first `count` commands, idle there.
Position arrival(const Position& position, std::size_t count) {
    Position p;
    p.commands.assign(position.commands.begin(),
                      position.commands.begin() + static_cast<std::ptrdiff_t>(count));
    if (count < position.commands.size()) {
        p.message = position.commands[count].messages_before;
        p.lines = position.commands[count].lines_before;
    }
    return p;
}

}  // namespace

bool set_values(MainForm& form, const std::string& command) {
    const std::vector<std::string> words = words_of(command);
    if (words.empty() || words[0] != "set") return false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const auto eq = words[i].find('=');
        if (eq == std::string::npos) return false;
        const std::string name = words[i].substr(0, eq);
        const std::string value = words[i].substr(eq + 1);
        if (name == "music") {
            form.MusicFile = value;
            continue;
        }
        std::uint8_t byte = 0;
        if (!byte_of(value, byte)) return false;
        if (name == "game") {
            form.game = byte;
        } else if (name == "position") {
            form.position = byte;
        } else if (name == "light") {
            form.light = byte;
        } else if (name == "x00") {
            form.x00 = byte;
        } else if (name == "f00") {
            form.f00 = byte;
        } else {
            return false;
        }
    }
    return true;
}

Replayer::Replayer(MainForm& form, ReplayGate& gate) : form_(form), gate_(gate) {
    gate_.set_line_release([this] { form_.labmain_Click(); });
}

Position Replayer::here() const {
    Position p;
    p.commands = form_.log().commands();
    p.message = form_.messages_shown();
    p.lines = form_.lines_shown();
    p.at_line = form_.line_waiting();
    return p;
}

bool Replayer::can_take() const {
    return form_.history_allowed() && !gate_.replaying();
}

std::optional<Position> Replayer::back(int lines) const {
    const int target = form_.messages_shown() - lines;
    if (lines < 0 || target < 1) return std::nullopt;
    Position p = here();
    p.message = target;
    p.at_line = true;
    // Which lines led there is known only by playing them: the replay checks each command's
    // start, and this line's chain is taken from the replay itself.
    p.lines = 0;
    return p;
}

void Replayer::run(const std::function<void()>& command) {
    const ScopedValue depth(depth_, depth_ + 1);
    try {
        if (command) command();
        if (!pending_) arrived();
    } catch (const Rewind&) {
    }
    while (pending_) {
        const Position position = std::move(*pending_);
        pending_.reset();
        try {
            restore(position);
            if (!pending_) arrived();
        } catch (const Rewind&) {
        }
    }
}

void Replayer::arrived() {
    keep_checkpoint();
    if (on_arrival && !form_.line_waiting() && !form_.platform().closing()) on_arrival();
}

void Replayer::keep_checkpoint() {
    if (form_.line_waiting() || form_.platform().closing()) return;
    const std::vector<LoggedCommand>& log = form_.log().commands();
    const std::size_t at = log.size();
    // Those past this point, or of another log, belong to a story the player left.
    std::erase_if(checkpoints_, [&](const Kept& k) {
        const auto& theirs = k.form->log.commands();
        return theirs.size() >= at || !std::equal(theirs.begin(), theirs.end(), log.begin());
    });
    const MainForm::Checkpoint* before =
        checkpoints_.empty() ? nullptr : checkpoints_.back().form.get();
    checkpoints_.push_back({form_.checkpoint(before), gate_.shown()});
    std::erase_if(checkpoints_, [&](const Kept& k) {
        const std::size_t n = k.form->log.commands().size();
        return n + kRecent <= at && n % kSparse != 0;
    });
    while (checkpoints_.size() > 1 && checkpoint_bytes() > kBudgetBytes)
        checkpoints_.erase(checkpoints_.begin());
}

std::size_t Replayer::checkpoint_bytes() const {
    std::unordered_set<const std::uint32_t*> planes;  // one count for pixels shared
    std::size_t bytes = 0;
    for (const Kept& k : checkpoints_) {
        const MainForm::Checkpoint& c = *k.form;
        for (const auto& plane : c.planes)
            if (planes.insert(plane->pixels.data()).second) bytes += plane->bytes();
        bytes += sizeof c + c.portrait.bytes();
        for (const LoggedCommand& command : c.log.commands())
            bytes += sizeof command + command.text.size();
        for (const HistoryEntry& entry : c.history) bytes += sizeof entry + entry.text.size();
    }
    return bytes;
}

const Replayer::Kept* Replayer::checkpoint_for(const Position& position) const {
    const Kept* best = nullptr;
    for (const Kept& k : checkpoints_) {
        const auto& theirs = k.form->log.commands();
        const bool on_the_way =
            theirs.size() <= position.commands.size() &&
            std::equal(theirs.begin(), theirs.end(), position.commands.begin()) &&
            (position.at_line ? k.form->messages_shown < position.message
                              : k.form->messages_shown <= position.message);
        if (on_the_way && (best == nullptr || theirs.size() > best->form->log.commands().size()))
            best = &k;
    }
    return best;
}

void Replayer::request(Position position) {
    pending_ = std::move(position);
    if (depth_ > 0) {
        form_.interrupt();
    } else {
        run({});
    }
}

std::vector<std::string> listed_picture_paths(const std::filesystem::path& root,
                                              const std::vector<std::string>& pictures) {
    std::vector<std::string> paths;
    paths.reserve(pictures.size());
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::canonical(find_asset(root, "gra"), ec);
    if (ec) return paths;
    // A picture listed again is looked up once.
    std::unordered_map<std::string, std::optional<std::string>> seen;
    for (const std::string& name : pictures) {
        auto [known, fresh] = seen.try_emplace(name);
        if (fresh && listed_picture_ok(name)) {
            // Only a picture of the game's: a list may name anything.
            const std::filesystem::path path = find_asset(root, name);
            if (lies_within(path, folder)) known->second = path.string();
        }
        if (known->second) paths.push_back(*known->second);
    }
    return paths;
}

void Replayer::prefetch(const std::vector<std::string>& pictures) {
    gate_.prefetch(listed_picture_paths(form_.root(), pictures));
}

void Replayer::restore(const Position& position) {
    form_.clear_interrupt();
    // The piece now heard stops; the restored one starts from its beginning.
    std::string reply;
    gate_.live().media().send("close x1", reply);
    Position nearest;
    if (replay(position, nearest)) return;
    if (on_changed_story) on_changed_story(position, nearest);
    Position unused;
    replay(nearest, unused);
}

bool Replayer::replay(const Position& position, Position& nearest) {
    struct Live {
        MainForm& form;
        ReplayGate& gate;
        ~Live() {
            form.set_line_watch({});
            form.reading().set_replaying(false);
            gate.set_replaying(false);
        }
    } guard{form_, gate_};
    bool live = false;
    const auto go_live = [&] {
        live = true;
        gate_.set_replaying(false);
        form_.reading().set_replaying(false);
        gate_.show_kept();
        form_.show_as_it_stands();
        if (on_live) on_live();
    };
    std::size_t verified = 0;
    gate_.set_replaying(true);
    form_.reading().set_replaying(true);
    if (const Kept* from = checkpoint_for(position)) {
        form_.resume(*from->form);
        gate_.set_shown(from->shown);
        verified = from->form->log.commands().size();
    } else {
        form_.reset();
        gate_.set_shown({});  // nothing shown yet, as in a program just started
    }
    // A line asked for by going back carries no chain of its own (0): its commands'
    // starts are checked all the same.
    form_.set_line_watch([&](int shown) {
        if (live || !position.at_line || shown != position.message) return;
        if (position.lines != 0 && form_.lines_shown() != position.lines) throw StoryChanged{};
        go_live();
    });
    try {
        for (std::size_t i = verified; i < position.commands.size() && !live; ++i) {
            const LoggedCommand& command = position.commands[i];
            if (form_.messages_shown() != command.messages_before ||
                form_.lines_shown() != command.lines_before) {
                throw StoryChanged{};
            }
            // Only the last few: copying the planes is not free, and going back goes mostly
            // a few lines. Those further back come as the player plays on.
            if (i > verified && i + kRecent > position.commands.size()) keep_checkpoint();
            verified = i;
            if (!perform(command.text)) throw StoryChanged{};
        }
        if (!live) {
            const bool reached = !position.at_line && form_.messages_shown() == position.message &&
                                 form_.lines_shown() == position.lines;
            // Every command began where it should: only the last one can have gone astray.
            if (!reached) {
                verified = position.commands.empty() ? 0 : position.commands.size() - 1;
                throw StoryChanged{};
            }
            go_live();
        }
    } catch (const StoryChanged&) {
        nearest = arrival(position, verified);
        return false;
    }
    return true;
}

bool Replayer::perform(const std::string& command) {
    // Only what a save file could hold: a position is replayed only as far as it is sound.
    std::string why;
    if (!command_ok(command, why)) return false;
    const std::vector<std::string> w = words_of(command);
    if (w.empty()) return false;
    const auto pressable = [&](Control c) { return form_.visible(c) && form_.enabled(c); };
    if (w[0] == "new" && pressable(Control::comstart)) {
        form_.comstart_Click();
    } else if (w[0] == "look" && pressable(Control::comlook)) {
        form_.comlook_Click();
    } else if (w[0] == "talk" && pressable(Control::comtalk)) {
        form_.comtalk_Click();
    } else if (w[0] == "move" && w.size() == 2 && pressable(Control::commove)) {
        std::uint8_t button = 0;
        if (w[1] != "close" && !(byte_of(w[1], button) && button <= 3)) return false;
        gate_.answer_chooser(w[1] == "close" ? -1 : button);
        form_.commove_Click();
    } else if (w[0] == "load-state" && pressable(Control::comload)) {
        std::uint8_t values[3] = {};
        const char* names[3] = {"game=", "position=", "light="};
        if (w.size() < 4 || command.find(" music=") == std::string::npos) return false;
        for (int i = 0; i < 3; ++i) {
            if (w[i + 1].rfind(names[i], 0) != 0 ||
                !byte_of(std::string_view(w[i + 1]).substr(std::string(names[i]).size()),
                         values[i])) {
                return false;
            }
        }
        const std::string music = command.substr(command.find(" music=") + 7);
        form_.load_values(values[0], values[1], values[2], music);
    } else if (w[0] == "set") {
        form_.log_command(command);
        return set_values(form_, command);
    } else {
        return false;
    }
    return true;
}

}  // namespace hazama
