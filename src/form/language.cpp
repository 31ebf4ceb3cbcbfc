// The language the player reads in: switching it, and the line on screen redrawn in it.
#include "form/main_form.h"

#include "platform/asset_path.h"

namespace hazama {

void MainForm::set_language(Language language) {
    if (language == translator_.language()) return;
    translator_.set_language(language);
    note(std::string("language ") + language_code(language));
    if (!translator_.load_error().empty() && language == Language::en)
        note("catalogue-error " + translator_.load_error());
    if (message_key_.empty()) return;
    message_line_ = shown_text(message_key_);
    if (mes == 2) {
        // Still appearing letter by letter: shown whole in the other language, as a release
        // would show it, and then it waits as ever.
        mes = 0;
        platform_.release();
    }
    platform_.set_message(message_line_);
}

void MainForm::peek_english(bool held) {
    if (language() != Language::ja) return;
    peeking_ = held;
    if (held) translator_.load_english();
    if (message_key_.empty()) return;
    const std::string shown = shown_text(message_key_);
    if (shown == message_line_) return;
    message_line_ = shown;
    if (mes == 2) {
        mes = 0;  // still appearing: shown whole, as a release would show it
        platform_.release();
    }
    platform_.set_message(message_line_);
}

std::string MainForm::shown_text(std::string_view japanese) const {
    return translator_.text_in(peeking_ ? Language::en : language(), japanese);
}

std::filesystem::path MainForm::staff_file() const {
    if (language() == Language::en) {
        std::error_code ignored;
        const std::filesystem::path english = find_asset(root_, "gra/staff_en.txt");
        if (std::filesystem::is_regular_file(english, ignored)) return english;
    }
    return find_asset(root_, "gra/staff.txt");
}

}  // namespace hazama
