// The game as either face plays it: the form on its replay gate, the replayer, the saved
// positions and the player's choices, wired together; and what each of the player's inputs,
// menu entries and screens does. A face turns its events into these calls and draws what the
// session hands it; it decides nothing of the game's.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "form/main_form.h"
#include "replay/replay_gate.h"
#include "replay/replayer.h"
#include "shell/input.h"
#include "shell/menu.h"
#include "shell/player_choices.h"
#include "shell/positions.h"

namespace hazama {

class Face;

class Session {
  public:
    struct Options {
        std::filesystem::path root;       // the program's folder (gra/ and music/)
        std::filesystem::path data = {};  // the player's folder for the slots; none keeps none
    };
    // Plays on `platform` (the face's, or a frame log over it); `media` is the real device,
    // which a slot loaded starts early.
    Session(Platform& platform, MediaDevice& media, Face& face, const Options& options);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    MainForm& form() { return *form_; }
    const MainForm& form() const { return *form_; }
    Replayer& replayer() { return *replayer_; }
    PositionKeeper& positions() { return *positions_; }
    const PositionKeeper& positions() const { return *positions_; }
    PlayerChoices& choices() { return *choices_; }

    // A command button or a release input was clicked: its handler runs as a command of the
    // player's (a script that may be restored later).
    void click(FormHandler handler);
    // The player closes the game: the position is kept in the automatic slot, then the form
    // unloads (the music closed, every wait ended).
    void unload();

    // What is on screen for the input decisions (shell/input.h), the history's state given
    // by the face that draws it.
    InputContext context(bool history_open, bool history_chosen) const;
    // Carries out what an input decided, where it is the session's to do: true when done,
    // false for what the face does itself (the history's own keys, opening the menu or the
    // history, passing the input on). `key` is the key that decided it, if one did.
    bool perform(Do action, const KeyInput* key = nullptr);

    // ---- the menu ----
    MenuState menu_state() const;
    // An entry chosen: `value` the submenu's choice, `checked` a checkable entry's new check.
    // Every choice is kept for the next run. The history is the face's to open.
    void choose(MenuItem item, int value = 0, bool checked = false);

    // ---- the settings screen, modal; every choice in it is applied and kept at once ----
    void open_settings();

    // ---- the history ----
    // Whether the history may open now; false inside a fade, a pause or a sequence.
    bool open_history() { return form_->open_history(); }
    // Each entry and how many lines back it lies (-1: it cannot be gone back to).
    const std::deque<HistoryEntry>& history_entries() const;
    std::vector<int> history_lines_back() const;
    // Back to a line of the history, `lines` back from the newest.
    void go_back(int lines) { positions_->go_back(lines); }
    // A line back, or forward again, as Ctrl+Z and Ctrl+Y do (PositionKeeper).
    void step_back() { positions_->step_back(); }
    void step_forward() { positions_->step_forward(); }

  private:
    Face& face_;
    std::unique_ptr<ReplayGate> gate_;
    std::unique_ptr<MainForm> form_;
    std::unique_ptr<Replayer> replayer_;
    std::unique_ptr<PositionKeeper> positions_;
    std::unique_ptr<PlayerChoices> choices_;
};

}  // namespace hazama
