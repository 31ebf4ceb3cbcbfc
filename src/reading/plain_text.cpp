// A line as a sentence (plain_text.h).
#include "reading/plain_text.h"

namespace hazama {

std::string plain_text(const std::string& shown) {
    constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
    std::string out;
    out.reserve(shown.size());
    std::size_t i = 0;
    while (i < shown.size()) {
        const bool cr_lf = shown.compare(i, 2, "\r\n") == 0;
        if (!cr_lf && shown[i] != '\n') {
            out += shown[i++];
            continue;
        }
        i += cr_lf ? 2 : 1;
        while (i < shown.size()) {
            if (shown[i] == ' ') {
                ++i;
            } else if (shown.compare(i, kIdeographicSpace.size(), kIdeographicSpace) == 0) {
                i += kIdeographicSpace.size();
            } else {
                break;
            }
        }
        const auto latin = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
        while (!out.empty() && out.back() == ' ') out.pop_back();
        if (!out.empty() && i < shown.size() && latin(out.back()) && latin(shown[i])) out += ' ';
    }
    return out;
}

}  // namespace hazama
