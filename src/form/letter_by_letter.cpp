// Letter-by-letter display: the line just shown appears a character at a time, and a
// release while it appears shows it whole (the next one releases it).
#include <string>

#include "form/main_form.h"
#include "form/scoped_value.h"

namespace hazama {

// While the text appears `mes` is 2: a release input sets it to 0 as ever, and the waiting
// indicator, which blinks only while it is 1 (message hid it), stays hidden until the line
// is whole.
void MainForm::reveal() {
    const Reveal letters(message_line_, reading_.text_speed());
    const ScopedValue busy(busy_, Busy::line);
    mes = 2;
    const std::uint32_t start = platform_.now_ms();
    std::size_t shown = 0;
    while (mes == 2) {
        throw_if_closing();
        const std::uint32_t now = platform_.now_ms();
        // Skip and Ctrl show the line whole.
        if (reading_.would_skip(now)) break;
        const std::size_t due = letters.shown_at(now - start);
        if (due >= letters.count()) {
            shown = letters.count();
            break;
        }
        if (due != shown) {
            shown = due;
            platform_.reveal_message(message_line_, letters.bytes(shown));
        }
        // Returns early on a release, or when the reader's settings change.
        platform_.wait_for_release_until(start + letters.time_of(shown + 1));
    }
    throw_if_closing();
    // Whole, and still the same line: a history opened meanwhile stays open.
    platform_.reveal_message(message_line_, message_line_.size());
    note("reveal " + std::to_string(shown) + "/" + std::to_string(letters.count()));
}

}  // namespace hazama
