// The slot screen drawn: two columns of three slot cards over a row of page tabs, 削除 and
// 閉じる (what each card says and what choosing does are the session's SlotPages). Arrows move
// between the slots and across pages, Page Up and Page Down turn the page, Enter chooses,
// Delete deletes after asking and Escape closes.
#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "shell/slot_pages.h"

class QPushButton;

namespace hazama {

class SlotCard;

class SlotScreen : public QDialog {
  public:
    static constexpr int kPerPage = SlotPages::kPerPage;
    static constexpr int kPages = SlotPages::kPages;

    SlotScreen(QWidget* parent, SlotPages& pages);

    // The numbered slot's name: "slot03" for No.3.
    static std::string slot_name(int number) { return SlotPages::slot_name(number); }

    // The slot to load once the screen has closed.
    const std::optional<std::filesystem::path>& chosen() const { return pages_.chosen(); }
    int page() const { return pages_.page(); }
    void show_page(int page);
    SlotCard* card(int index) const { return cards_[static_cast<std::size_t>(index)]; }
    // Chooses the slot (saves there, or picks it to load), as a click on it does.
    void choose(int index);
    // Deletes the slot after asking.
    void remove(int index);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The cards, tabs and 削除 as the pages now stand; the focus on the current card.
    void refresh();

    SlotPages& pages_;
    std::array<SlotCard*, kPerPage> cards_{};
    std::array<QPushButton*, kPages + 1> tabs_{};
    QPushButton* delete_ = nullptr;
};

}  // namespace hazama
