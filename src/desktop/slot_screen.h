// The slot screen: pages of save slots, each with a picture of its scene, when it was saved,
// the place and the line on screen. To save, a slot is chosen (a used one after asking); to
// load, a used one. The load screen also shows the automatic and the quick slot, read only.
// A slot can be deleted after asking: Delete, or 削除 and then the slot. Arrows move between
// the slots and across pages, Page Up and Page Down turn the page, Enter chooses and Escape
// closes.
#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QMessageBox;
class QPushButton;

namespace hazama {

class SlotCard;

class SlotScreen : public QDialog {
  public:
    enum class Mode { save, load };

    static constexpr int kPerPage = 6;  // two columns of three
    static constexpr int kPages = 5;    // numbered pages; the load screen's page 0 holds the
                                        // automatic and quick slots

    struct Hooks {
        // Writes the position now into slot `name`; false when it could not be written (the
        // player has been told).
        std::function<bool(const std::string& name)> save;
        // Whether the slot at `path` can be loaded; when not, the player has been told why.
        std::function<bool(const std::filesystem::path& path)> loadable;
        // A question or notice over the screen, as the game's other dialogs are shown; false
        // when it was not answered (the game is closing).
        std::function<bool(QMessageBox& box)> ask;
    };

    // The slots are those of the player's `data_folder` (its saves/). Opens at `page`
    // (1..kPages, or 0 to load).
    SlotScreen(QWidget* parent, Mode mode, std::filesystem::path data_folder, Hooks hooks,
               int page);

    // The numbered slot's name: "slot03" for No.3.
    static std::string slot_name(int number);

    // The slot to load once the screen has closed.
    const std::optional<std::filesystem::path>& chosen() const { return chosen_; }
    int page() const { return page_; }
    void show_page(int page);
    SlotCard* card(int index) const { return cards_[index]; }
    // Chooses the slot (saves there, or picks it to load), as a click on it does.
    void choose(int index);
    // Deletes the slot after asking.
    void remove(int index);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool ask(const QString& question, bool yes_first);
    // From card `from`, `columns` across and `rows` down.
    void move_by(int from, int columns, int rows);
    int first_page() const { return mode_ == Mode::load ? 0 : 1; }
    // The number of the slot shown by card `index` of a numbered page: 1 for the first.
    int number_of(int index) const { return (page_ - 1) * kPerPage + index + 1; }

    Mode mode_;
    std::filesystem::path data_folder_;
    Hooks hooks_;
    int page_ = 1;
    int current_ = 0;  // the card with the focus, or the one that had it last
    std::array<SlotCard*, kPerPage> cards_{};
    std::array<QPushButton*, kPages + 1> tabs_{};
    QPushButton* delete_ = nullptr;
    std::optional<std::filesystem::path> chosen_;
};

}  // namespace hazama
