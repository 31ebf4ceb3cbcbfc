// The slot screen's pages: which slot each card shows, what a card says (the scene's
// picture, when it was saved, the place, the line on screen; or that the slot is empty or
// cannot be read), moving between the cards and across pages, and what choosing or deleting
// a slot does. To save, a slot is chosen (a used one after asking); to load, a used one. The
// load screen's first page holds the automatic and the quick slot, read only. Either face
// draws the pages from here.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "text/catalogue.h"

namespace hazama {

// What one card shows, in the language in force.
struct SlotCardView {
    enum class State { empty, used, damaged };
    State state = State::empty;
    std::string title;  // "No.3", "クイックセーブ"
    std::filesystem::path path;
    std::string why;  // why a damaged slot cannot be read
    std::string saved_at;
    std::string place;
    std::string line;
    std::string thumbnail_png;  // the scene at half size; may be empty
    // All of it in one sentence, for a screen reader.
    std::string spoken;
};

// The card of the slot file at `path` under the heading `title`.
SlotCardView read_slot_card(const std::string& title, const std::filesystem::path& path,
                            const Translator& words);

class SlotPages {
  public:
    enum class Mode { save, load };

    static constexpr int kPerPage = 6;  // two columns of three
    static constexpr int kColumns = 2;
    static constexpr int kPages = 5;  // numbered pages; the load screen's page 0 holds the
                                      // automatic and quick slots

    // The screen's words (Japanese: the keys of what is shown).
    static constexpr const char* kSaveTitle = to_translate("セーブ");
    static constexpr const char* kLoadTitle = to_translate("ロード");
    static constexpr const char* kSaveHeading = to_translate("どのスロットにセーブしますか？");
    static constexpr const char* kLoadHeading = to_translate("どのスロットからロードしますか？");
    static constexpr const char* kKeptTab = to_translate("自動・クイック");
    static constexpr const char* kPageName = to_translate("ページ %1");
    static constexpr const char* kClose = to_translate("閉じる");
    static constexpr const char* kDelete = to_translate("削除");
    static constexpr const char* kEmpty = to_translate("空き");
    static constexpr const char* kDamaged = to_translate("読み込めないデータです");

    struct Hooks {
        // Writes the position now into slot `name`; false when it could not be written (the
        // player has been told).
        std::function<bool(const std::string& name)> save;
        // Whether the slot at `path` can be loaded; when not, the player has been told why.
        std::function<bool(const std::filesystem::path& path)> loadable;
        // A question over the screen (translated); false when not answered yes.
        std::function<bool(const std::string& question, bool yes_first)> ask;
        // A message box over the screen (translated), with the reason below.
        std::function<void(const std::string& text, const std::string& detail)> warn;
    };

    // The slots are those of the player's `data_folder` (its saves/). Opens at `page`
    // (1..kPages, or 0 to load).
    SlotPages(Mode mode, std::filesystem::path data_folder, const Translator& words, Hooks hooks,
              int page);

    // The numbered slot's name: "slot03" for No.3.
    static std::string slot_name(int number);

    Mode mode() const { return mode_; }
    int first_page() const { return mode_ == Mode::load ? 0 : 1; }
    int page() const { return page_; }
    // Reads the cards of `page` (nothing when there is no such page).
    void show_page(int page);
    const std::array<SlotCardView, kPerPage>& cards() const { return cards_; }
    // How many cards the page shows (the first two on the load screen's page 0).
    int shown() const { return page_ == 0 ? 2 : kPerPage; }
    // The card with the focus, or the one that had it last.
    int current() const { return current_; }
    void set_current(int index);
    // Pressed 削除: the next slot chosen is deleted instead.
    bool deleting() const { return deleting_; }
    void set_deleting(bool on) { deleting_ = on && page_ != 0; }
    // A tab's words: the kept slots' tab, or the page's number.
    std::string tab_caption(int page) const;

    // Chooses card `index` (saves there, or picks it to load), as a click on it does. True
    // when the screen closes (a slot was picked to load).
    bool choose(int index);
    // Deletes the slot of card `index` after asking.
    void remove(int index);
    // From the current card, `columns` across and `rows` down; past the left or right
    // column the page before or after is shown, at the same row.
    void move_by(int columns, int rows);

    // The slot to load once the screen has closed.
    const std::optional<std::filesystem::path>& chosen() const { return chosen_; }

  private:
    // The number of the slot shown by card `index` of a numbered page: 1 for the first.
    int number_of(int index) const { return (page_ - 1) * kPerPage + index + 1; }

    Mode mode_;
    std::filesystem::path data_folder_;
    const Translator& words_;
    Hooks hooks_;
    int page_ = 1;
    int current_ = 0;
    bool deleting_ = false;
    std::array<SlotCardView, kPerPage> cards_{};
    std::optional<std::filesystem::path> chosen_;
};

}  // namespace hazama
