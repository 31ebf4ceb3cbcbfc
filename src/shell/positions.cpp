// The saved positions (positions.h).
#include "shell/positions.h"

#include <cstdio>

#include "audio/media_device.h"
#include "form/main_form.h"
#include "replay/replayer.h"
#include "replay/slot_check.h"
#include "replay/slot_file.h"
#include "shell/face.h"
#include "shell/slot_pages.h"
#include "shell/slot_reasons.h"

namespace hazama {

PositionKeeper::PositionKeeper(Face& face, MainForm& form, Replayer& replayer, MediaDevice& media,
                               std::filesystem::path data_folder)
    : face_(face),
      form_(form),
      replayer_(replayer),
      media_(media),
      data_folder_(std::move(data_folder)),
      steps_(replayer) {}

PositionKeeper::~PositionKeeper() = default;

bool PositionKeeper::at_title() const {
    return form_.log().commands().empty() && form_.visible(Control::comstart);
}

void PositionKeeper::quick_save() {
    if (!has_place()) return;
    if (!replayer_.can_take() || at_title()) {
        tell(to_translate("ここではセーブできません"));
        return;
    }
    if (write(kQuickSlot, replayer_.here(), false)) tell(to_translate("クイックセーブしました"));
}

void PositionKeeper::quick_load() {
    if (!has_place()) return;
    if (at_title()) return continue_newest();
    load(slot_path(data_folder_, kQuickSlot));
}

void PositionKeeper::continue_newest() {
    if (const auto path = newest()) {
        load(*path);
    } else {
        tell(to_translate("セーブデータがありません"));
    }
}

void PositionKeeper::go_back(int lines) {
    if (const auto position = steps_.back(lines)) restore(*position);
}

void PositionKeeper::step_back() {
    if (const auto position = steps_.back()) restore(*position);
}

bool PositionKeeper::step_forward() {
    const auto position = steps_.forward();
    if (position) restore(*position);
    return position.has_value();
}

std::vector<int> PositionKeeper::lines_back(const std::deque<HistoryEntry>& entries) const {
    std::vector<int> back(entries.size(), -1);
    if (!replayer_.can_take()) return back;
    // The newest entry is the line shown last. What comes before a loaded game's divider
    // belongs to the story the player left.
    int lines = 0;
    for (std::size_t i = entries.size(); i-- > 0;) {
        if (entries[i].divider || form_.messages_shown() - lines < steps_.first_line()) break;
        back[i] = lines++;
    }
    return back;
}

std::optional<Position> PositionKeeper::automatic_position() const {
    if (data_folder_.empty() || form_.log().commands().empty()) return std::nullopt;
    Position position = replayer_.here();
    if (!replayer_.can_take()) {
        // Inside an animation: the line shown last in this command, or the arrival before it.
        const auto& commands = position.commands;
        position.at_line = position.message > commands.back().messages_before;
        if (!position.at_line) {
            position.message = commands.back().messages_before;
            position.lines = commands.back().lines_before;
            position.commands.pop_back();
        }
    }
    // Inside the first command's opening there is nothing yet to keep, and the slot may
    // still hold the last run's place.
    if (position.commands.empty()) return std::nullopt;
    return position;
}

void PositionKeeper::autosave() {
    if (const auto position = automatic_position()) write(kAutoSlot, *position, true);
}

std::string PositionKeeper::automatic_slot_file() {
    const auto position = automatic_position();
    std::string why;
    if (!position || !position_ok(*position, why)) return {};
    return encode_slot(slot_of(*position));
}

void PositionKeeper::back_to_title() {
    if (at_title() || !replayer_.can_take()) return;
    if (!face_.ask(form_.translated(to_translate("タイトルへ戻りますか？")), false)) return;
    autosave();
    // The form made anew, with nothing to replay: the title as the program starts it.
    restore(Position{});
}

std::optional<std::filesystem::path> PositionKeeper::newest() const {
    std::error_code ec;
    std::optional<std::filesystem::path> found;
    std::filesystem::file_time_type when{};
    for (const auto& entry : std::filesystem::directory_iterator(data_folder_ / "saves", ec)) {
        if (entry.path().extension() != kSlotExtension) continue;
        const auto time = entry.last_write_time(ec);
        if (!ec && (!found || time > when)) {
            found = entry.path();
            when = time;
        }
    }
    return found;
}

Slot PositionKeeper::slot_of(const Position& position) {
    Slot slot = describe_slot(form_, position);
    slot.thumbnail_png = face_.thumbnail_png(form_.picmain[0]);
    return slot;
}

bool PositionKeeper::write(const std::string& name, const Position& position, bool quietly) {
    if (data_folder_.empty()) return false;
    try {
        write_slot(slot_path(data_folder_, name), slot_of(position));
        return true;
    } catch (const FileError& failure) {
        std::fprintf(stderr, "hazama: %s\n", failure.what());
        if (!quietly) {
            face_.warn(form_.translated("セーブできませんでした"),
                       failure.reason() + "\n" + failure.path());
        } else if (failure.reason() != autosave_failure_) {
            // The automatic slot is written at every arrival: a failure is told once, and
            // again only when its reason changes.
            autosave_failure_ = failure.reason();
            notice_ = form_.translated("自動セーブできませんでした") + ": " + failure.reason();
            face_.notice(notice_);
        }
        return false;
    }
}

void PositionKeeper::load(const std::filesystem::path& path) {
    if (!replayer_.can_take() || data_folder_.empty()) return;
    if (const auto slot = readable(path)) {
        // A program just started has not loaded its synthesizer yet: it loads beside the
        // replay rather than after it, before the restored line can show; so do the
        // pictures the replay will need.
        media_.prepare();
        replayer_.prefetch(slot->pictures);
        restore(slot->position);
        tell(to_translate("ロードしました"));
    }
}

std::optional<Slot> PositionKeeper::readable(const std::filesystem::path& path) {
    std::string why;
    auto slot = read_slot(path, why);
    if (!slot) {
        face_.warn(form_.translated("このセーブデータは読み込めません"),
                   player_reason(why, form_.translator()) + "\n" + path.string());
    }
    return slot;
}

void PositionKeeper::open_slots(bool saving) {
    if (!has_place()) return;
    if (!replayer_.can_take() || (saving && at_title())) {
        tell(saving ? to_translate("ここではセーブできません")
                    : to_translate("ここではロードできません"));
        return;
    }
    SlotPages pages(
        saving ? SlotPages::Mode::save : SlotPages::Mode::load, data_folder_, form_.translator(),
        {.save = [this](const std::string& name) { return write(name, replayer_.here(), false); },
         .loadable =
             [this](const std::filesystem::path& path) { return readable(path).has_value(); },
         .ask = [this](const std::string& question,
                       bool yes_first) { return face_.ask(question, yes_first); },
         .warn = [this](const std::string& text,
                        const std::string& detail) { face_.warn(text, detail); }},
        slot_page_);
    // Auto and skip wait while the screen is open, as for the menu.
    form_.set_menu_open(true);
    face_.show_slots(pages);
    form_.set_menu_open(false);
    if (pages.page() > 0) slot_page_ = pages.page();
    if (pages.chosen()) load(*pages.chosen());
}

void PositionKeeper::restore(const Position& position) {
    face_.run_script([this, position] { replayer_.request(position); });
}

bool PositionKeeper::has_place() {
    if (!data_folder_.empty()) return true;
    tell(to_translate("セーブデータの置き場所がありません"));
    return false;
}

void PositionKeeper::tell(const char* japanese) {
    notice_ = form_.translated(japanese);
    face_.notice(notice_);
}

}  // namespace hazama
