// The slot screen's pages (slot_pages.h).
#include "shell/slot_pages.h"

#include <algorithm>

#include "replay/slot_file.h"
#include "shell/positions.h"
#include "shell/slot_reasons.h"

namespace hazama {
namespace {

// The place in the language in force. A slot keeps the place's name as the move chooser
// gives it without its arrow; the chooser's caption, with the arrow, is the catalogue's key.
std::string place_shown(const std::string& place, const Translator& words) {
    if (words.language() == Language::ja || place.empty()) return place;
    for (const char* arrow : {"", "↑", "↓", "←", "→"}) {
        for (const std::string& key : {arrow + place, place + arrow}) {
            std::string shown = words.text(key);
            if (shown == key) continue;
            for (const std::string a : {"↑", "↓", "←", "→"}) {
                for (auto at = shown.find(a); at != std::string::npos; at = shown.find(a))
                    shown.erase(at, a.size());
            }
            const auto first = shown.find_first_not_of(' ');
            const auto last = shown.find_last_not_of(' ');
            return first == std::string::npos ? std::string()
                                              : shown.substr(first, last - first + 1);
        }
    }
    return place;
}

}  // namespace

SlotCardView read_slot_card(const std::string& title, const std::filesystem::path& path,
                            const Translator& words) {
    SlotCardView card;
    card.title = title;
    card.path = path;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        card.state = SlotCardView::State::empty;
        card.spoken = title + ": " + words.text(SlotPages::kEmpty);
    } else if (const auto slot = read_slot(path, card.why)) {
        card.state = SlotCardView::State::used;
        card.saved_at = slot->saved_at;
        card.place = place_shown(slot->place, words);
        card.line = slot->line;
        card.thumbnail_png = slot->thumbnail_png;
        card.spoken = title + ": " + card.saved_at + ", " + card.place + ", " + card.line;
    } else {
        card.state = SlotCardView::State::damaged;
        card.why = player_reason(card.why, words);
        card.spoken = title + ": " + words.text(SlotPages::kDamaged);
    }
    return card;
}

SlotPages::SlotPages(Mode mode, std::filesystem::path data_folder, const Translator& words,
                     Hooks hooks, int page)
    : mode_(mode), data_folder_(std::move(data_folder)), words_(words), hooks_(std::move(hooks)) {
    show_page(std::clamp(page, first_page(), kPages));
}

std::string SlotPages::slot_name(int number) {
    return (number < 10 ? "slot0" : "slot") + std::to_string(number);
}

std::string SlotPages::tab_caption(int page) const {
    return page == 0 ? words_.text(kKeptTab) : std::to_string(page);
}

void SlotPages::show_page(int page) {
    if (page < first_page() || page > kPages) return;
    page_ = page;
    for (int i = 0; i < kPerPage; ++i) {
        SlotCardView& card = cards_[static_cast<std::size_t>(i)];
        if (page == 0) {
            // The slots the game keeps by itself: shown, never written from here.
            card = i == 0
                       ? read_slot_card(words_.text(to_translate("自動セーブ")),
                                        slot_path(data_folder_, PositionKeeper::kAutoSlot), words_)
                   : i == 1
                       ? read_slot_card(words_.text(to_translate("クイックセーブ")),
                                        slot_path(data_folder_, PositionKeeper::kQuickSlot), words_)
                       : SlotCardView{};
            continue;
        }
        const int number = number_of(i);
        card = read_slot_card("No." + std::to_string(number),
                              slot_path(data_folder_, slot_name(number)), words_);
    }
    if (current_ >= shown()) current_ = 0;
    if (page == 0) deleting_ = false;
}

void SlotPages::set_current(int index) {
    if (index >= 0 && index < shown()) current_ = index;
}

bool SlotPages::choose(int index) {
    const SlotCardView& card = cards_[static_cast<std::size_t>(index)];
    current_ = index;
    if (deleting_) {
        deleting_ = false;
        remove(index);
        return false;
    }
    if (mode_ == Mode::load) {
        if (card.state == SlotCardView::State::empty || !hooks_.loadable(card.path)) return false;
        chosen_ = card.path;
        return true;
    }
    if (card.state != SlotCardView::State::empty &&
        !hooks_.ask(words_.text(to_translate("このスロットに上書きしますか？")), true))
        return false;
    if (hooks_.save(slot_name(number_of(index)))) show_page(page_);
    return false;
}

void SlotPages::remove(int index) {
    const SlotCardView& card = cards_[static_cast<std::size_t>(index)];
    if (page_ == 0 || card.state == SlotCardView::State::empty) return;
    if (!hooks_.ask(words_.text(to_translate("このスロットを削除しますか？")), false)) return;
    std::error_code ec;
    std::filesystem::remove(card.path, ec);
    if (ec) {
        hooks_.warn(words_.text(to_translate("削除できませんでした")),
                    ec.message() + "\n" + card.path.string());
    }
    show_page(page_);
}

void SlotPages::move_by(int columns, int rows) {
    int column = current_ % kColumns + columns;
    const int row = std::clamp(current_ / kColumns + rows, 0, kPerPage / kColumns - 1);
    if (column < 0 || column >= kColumns) {
        const int page = page_ + (column < 0 ? -1 : 1);
        if (page < first_page() || page > kPages) return;
        column = column < 0 ? kColumns - 1 : 0;
        current_ = row * kColumns + column;
        show_page(page);
        return;
    }
    const int next = row * kColumns + column;
    if (next < shown()) current_ = next;
}

}  // namespace hazama
