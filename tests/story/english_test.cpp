// The story told in English through the runner: --lang and the lang command, the captions,
// the message boxes and the history in the language in force; and the whole walkthrough in
// English (it waits for the story's English to be merged into po/en.po).
#include <regex>

#include "harness.h"

namespace hazama::testing {
namespace {

// Hiragana, katakana, CJK ideographs, full-width forms and Japanese punctuation.
bool has_japanese(const std::string& text) {
    static const std::wregex japanese(L"[\u3000-\u30ff\u3400-\u9fff\uff01-\uff5e]");
    std::wstring wide;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xe0 ? 2 : byte < 0xf0 ? 3 : 4;
        char32_t c = length == 1 ? byte : byte & (0x7f >> length);
        for (int k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3f);
        wide += static_cast<wchar_t>(c);
        i += static_cast<std::size_t>(length);
    }
    return std::regex_search(wide, japanese);
}

TEST(Language, TheRunnerSwitchesCaptionsMessageBoxesAndTheHistory) {
    const Played played = play(
        "new\nmove 0\nload /nonexistent/x.hzm\nlang en\nmove 0\nload /nonexistent/x.hzm\n"
        "history\nlang ja\nhistory\n");
    ASSERT_EQ(played.status, 0) << played.errors;
    // The first move, at the house's gate in Japanese; the second, inside it, in English.
    EXPECT_EQ(
        played.after("move 0").of("chooser"),
        (std::vector<std::string>{"chooser ↑家の中 | ←学校方面 | ", "chooser Outside ↓ |  | "}));
    const Played english = played.after("lang en");
    EXPECT_EQ(english.of("language"), std::vector<std::string>{"language en"});
    const std::vector<std::string> boxes = played.of("msgbox");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "msgbox 読み込みエラー");
    EXPECT_EQ(boxes[1], "msgbox The game could not be loaded.");
    // The history holds each line once and lists it in the language in force: in Japanese
    // it is the lines as they were shown.
    std::vector<std::vector<std::string>> listings;
    for (const std::string& line : played.lines()) {
        if (line == "> history") listings.emplace_back();
        if (line.rfind("history ", 0) == 0) listings.back().push_back(line);
    }
    ASSERT_EQ(listings.size(), 2u);
    EXPECT_EQ(listings[0].size(), listings[1].size());
    std::vector<std::string> shown;
    for (const std::string& line : played.of("message"))
        shown.push_back("history " + line.substr(8));
    EXPECT_EQ(listings[1], shown);
}

TEST(Language, TheRunnerRefusesAnUnknownLanguage) {
    const Played played = play("lang fr\n");
    EXPECT_EQ(played.status, 2);
    EXPECT_NE(played.errors.find("lang takes 'en' or 'ja'"), std::string::npos);
}

TEST(EnglishStory, TheWholeWalkthroughInEnglish) {
    const std::string script = read_walkthrough();
    ASSERT_FALSE(script.empty()) << "tests/story/walkthrough.txt not found (HAZAMA_SOURCE)";

    const Played japanese = play(script);
    const Played english = play(script, {}, Language::en);
    ASSERT_EQ(english.status, 0) << english.errors;
    // The same story, step for step: only the words differ.
    const auto steps = [](const Played& p) {
        std::vector<std::string> out;
        for (const std::string& line : p.lines()) {
            if (line.rfind("message ", 0) != 0 && line.rfind("chooser ", 0) != 0 &&
                line.rfind("msgbox ", 0) != 0 && line.rfind("language ", 0) != 0)
                out.push_back(line);
        }
        return out;
    };
    EXPECT_EQ(steps(english), steps(japanese));
    EXPECT_EQ(english.of("message").size(), japanese.of("message").size());
    int japanese_left = 0;
    for (const std::string& line : english.lines()) {
        const bool read = line.rfind("message ", 0) == 0 || line.rfind("chooser ", 0) == 0 ||
                          line.rfind("msgbox ", 0) == 0;
        if (read && has_japanese(line)) {
            ADD_FAILURE() << "Japanese in the English story: " << line;
            ++japanese_left;
        }
        if (line.rfind("message ", 0) == 0) {
            EXPECT_EQ(line.find("\\n"), std::string::npos) << "a line break: " << line;
        }
    }
    EXPECT_EQ(japanese_left, 0) << "of " << english.of("message").size() << " messages";
}

}  // namespace
}  // namespace hazama::testing
