// The saved positions: the slot screen (F6 to save, F7 to load), quick save and quick load
// (F5, F9), continuing from the newest save at the title, the automatic slot kept at every
// arrival and on closing, and going back a line. The replayer restores; this writes the
// slots, says what happened and what failed, through the face.
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "replay/command_log.h"
#include "replay/line_steps.h"

namespace hazama {

class Face;
class MainForm;
class MediaDevice;
class Replayer;
struct HistoryEntry;
struct Slot;

class PositionKeeper {
  public:
    static constexpr const char* kQuickSlot = "quick";
    static constexpr const char* kAutoSlot = "auto";

    // Slots go to `data_folder`/saves (the player's data folder; none keeps nothing). The
    // synthesizer on `media` is started beside the replay of a slot loaded.
    PositionKeeper(Face& face, MainForm& form, Replayer& replayer, MediaDevice& media,
                   std::filesystem::path data_folder);
    ~PositionKeeper();

    void quick_save();
    // At the title: continue from the newest save; in play: the quick slot.
    void quick_load();
    void continue_newest();
    // The slot screen, to save in a slot (when a position can be taken) or to load one.
    void open_slots(bool saving);
    // Back `lines` lines from the line shown last (0: that line, waiting again), as the
    // history does; the history is cut back there by the replay, the read record is not.
    // Never to a line before a game loaded with the load button.
    void go_back(int lines);
    // A line back as Ctrl+Z does it: from a prompt to the line shown last, from a waiting
    // line to the one before.
    void step_back();
    // After going back, the next line already seen (Ctrl+Y, the wheel turned down); false
    // when none lies ahead.
    bool step_forward();
    bool can_step_forward() const { return steps_.forward().has_value(); }
    // For each entry of the history: how many lines back it is, or -1 where the game cannot
    // go back to it: a line before a loaded game (the divider), or none at all while a
    // position cannot be taken.
    std::vector<int> lines_back(const std::deque<HistoryEntry>& entries) const;
    // The automatic slot: the position now, or the nearest one that can be restored while
    // an animation runs. A failure goes to standard error, and is told over the scene once
    // for each reason.
    void autosave();
    // The automatic slot's file as autosave would write it now, not written; empty when
    // there is nothing to keep yet. (A browser tab keeps it ready for being closed at once.)
    std::string automatic_slot_file();
    // Back to the title screen once the player says so, the place left kept in the
    // automatic slot first (続きから and F9 come back to it).
    void back_to_title();
    bool at_title() const;
    // The newest slot of the saves folder, if there is one.
    std::optional<std::filesystem::path> newest() const;
    const std::filesystem::path& data_folder() const { return data_folder_; }
    // The last notice told over the scene, in the language in force (for the tests; a C
    // string, which either face's string type takes).
    const char* notice() const { return notice_.c_str(); }

  private:
    // The position the automatic slot keeps, if there is one yet.
    std::optional<Position> automatic_position() const;
    // `position` described for its slot, with the scene's picture.
    Slot slot_of(const Position& position);
    bool write(const std::string& name, const Position& position, bool quietly);
    void load(const std::filesystem::path& path);
    // The slot at `path`; when it cannot be read, the player is told why.
    std::optional<Slot> readable(const std::filesystem::path& path);
    void restore(const Position& position);
    void tell(const char* japanese);
    // Whether there is a folder for the slots; when not (no home at all), the player is told.
    bool has_place();

    Face& face_;
    MainForm& form_;
    Replayer& replayer_;
    MediaDevice& media_;
    std::filesystem::path data_folder_;
    LineSteps steps_;
    std::string notice_;
    std::string autosave_failure_;  // the reason last told
    int slot_page_ = 1;             // the slot screen opens where it was left
};

}  // namespace hazama
