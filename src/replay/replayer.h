// Restores a position by replaying the player's commands on the form made anew: unseen and
// unheard until the chosen line, which is then drawn, heard and waited on as in play. The
// window and the runner restore through this one object.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/main_form.h"
#include "replay/command_log.h"
#include "replay/replay_gate.h"

namespace hazama {

class Replayer {
  public:
    Replayer(MainForm& form, ReplayGate& gate);

    // Where play stands now.
    Position here() const;
    // Whether a position may be taken now: a line waits or nothing runs (not inside a fade,
    // a pause or a sequence).
    bool can_take() const;
    // The position `back` lines before the line shown last, waiting there; nothing when
    // there is no such line.
    std::optional<Position> back(int lines) const;

    // Runs a command the player gave (a button's script), then any position asked for
    // meanwhile. Every script that may wait runs through here.
    void run(const std::function<void()>& command);
    // Asks for `position`: restored at once when nothing runs, else once the running script
    // has ended (it ends with Rewind at its next wait).
    void request(Position position);
    // The pictures the next replay will need (as MainForm::pictures_loaded lists them):
    // decoded on a second thread while it runs.
    void prefetch(const std::vector<std::string>& pictures);

    // Called when a position's replay no longer reaches its line (the story changed), with
    // the line it asked for and the nearest position that can be reached: the last arrival
    // before it, which is restored instead.
    std::function<void(const Position& asked, const Position& nearest)> on_changed_story;
    // Called once a restored position is live, before its line is shown.
    std::function<void()> on_live;
    // Called whenever a command has ended and play is idle at a place (not while replaying).
    std::function<void()> on_arrival;

    // Carries out one command of the runner's language that a position holds ("new",
    // "look", "talk", "move 1", "load-state …", "set …"); false when it cannot be given now.
    bool perform(const std::string& command);

    // Checkpoints kept: one at the start of each of the last kRecent commands, and one every
    // kSparse commands before them.
    static constexpr std::size_t kRecent = 6;
    static constexpr std::size_t kSparse = 10;
    // What they may hold together: past it the oldest go first (the latest always stays).
    // A long play keeps the window within its memory; going further back replays more.
    static constexpr std::size_t kBudgetBytes = std::size_t{12} << 20;
    std::size_t checkpoints() const { return checkpoints_.size(); }
    // The memory the checkpoints hold, the planes they share counted once.
    std::size_t checkpoint_bytes() const;

  private:
    struct Kept {
        std::shared_ptr<const MainForm::Checkpoint> form;
        ReplayGate::Shown shown;
    };

    void restore(const Position& position);
    // Keeps the form as it stands between two commands, when the rule above wants it.
    void keep_checkpoint();
    // A command has ended: a checkpoint, and the owner told.
    void arrived();
    // The latest checkpoint on the way to `position`; nullptr when none is.
    const Kept* checkpoint_for(const Position& position) const;
    // Replays `position`; false (and `nearest` set) when the story no longer leads there.
    bool replay(const Position& position, Position& nearest);

    MainForm& form_;
    ReplayGate& gate_;
    int depth_ = 0;
    std::optional<Position> pending_;
    std::vector<Kept> checkpoints_;  // by the number of commands before them
};

// The files of the pictures a slot lists, below `root`: those whose names stay in gra/
// and whose files, links followed, lie in it; the rest are left out.
std::vector<std::string> listed_picture_paths(const std::filesystem::path& root,
                                              const std::vector<std::string>& pictures);

// Applies a runner `set NAME=VALUE ...` command to the form; false when a word is not one.
bool set_values(MainForm& form, const std::string& command);

}  // namespace hazama
