// The translations in the core: the catalogue reader, the desktop's language, and the form
// telling the story in English (the waiting line redrawn, the chooser, the message boxes).
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/form_fixture.h"
#include "text/catalogue.h"

namespace hazama {
namespace {

using testing::FormFixture;
using testing::ScratchFolder;

// A catalogue in msgfmt's format holding `entries` (sorted by key, as msgfmt writes them),
// in little- or big-endian words.
std::string catalogue_bytes(std::vector<std::pair<std::string, std::string>> entries,
                            bool big_endian = false) {
    std::sort(entries.begin(), entries.end());
    std::string out;
    auto word = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            const int shift = big_endian ? 8 * (3 - i) : 8 * i;
            out += static_cast<char>((v >> shift) & 0xff);
        }
    };
    const auto n = static_cast<std::uint32_t>(entries.size());
    const std::uint32_t originals = 28, translations = originals + 8 * n;
    std::uint32_t at = translations + 8 * n;
    word(0x950412de);
    word(0);
    word(n);
    word(originals);
    word(translations);
    word(0);  // no hash table
    word(0);
    std::string strings;
    for (int side = 0; side < 2; ++side) {
        for (const auto& [key, value] : entries) {
            const std::string& s = side == 0 ? key : value;
            word(static_cast<std::uint32_t>(s.size()));
            word(at);
            strings += s + '\0';
            at += static_cast<std::uint32_t>(s.size()) + 1;
        }
    }
    return out + strings;
}

const std::vector<std::pair<std::string, std::string>> kEnglish = {
    {"", "Content-Type: text/plain; charset=UTF-8\n"},
    {"飛沫「おはよう、お母さん。」", "Shibuki: “Morning, Mom.”"},
    {"↑家の中", "↑ Into the house"},
    {"書き込みエラー", "The game could not be saved."},
};

TEST(Catalogue, ReadsEitherByteOrderAndRefusesWhatIsNoCatalogue) {
    for (bool big : {false, true}) {
        Catalogue c;
        std::string error;
        ASSERT_TRUE(c.parse(catalogue_bytes(kEnglish, big), error)) << error;
        EXPECT_EQ(c.size(), 3u);  // the header is no text
        ASSERT_NE(c.find("↑家の中"), nullptr);
        EXPECT_EQ(*c.find("↑家の中"), "↑ Into the house");
        EXPECT_EQ(c.find("↑家"), nullptr);
    }
    Catalogue c;
    std::string error;
    EXPECT_FALSE(c.parse("hello", error));
    EXPECT_FALSE(c.parse(std::string(40, 'x'), error));
    // An entry that points past the end: refused whole, nothing half read.
    std::string damaged = catalogue_bytes(kEnglish);
    damaged.resize(damaged.size() - 20);
    EXPECT_FALSE(c.parse(damaged, error));
    EXPECT_EQ(c.size(), 0u);
    EXPECT_NE(error.find("damaged"), std::string::npos);
    EXPECT_FALSE(c.load("/nonexistent/hazama.mo", error));
}

// A catalogue's header and one table entry for each of `entries` (length, offset), both
// tables pointing at the same entries, followed by `tail`.
std::string crafted_catalogue(std::uint32_t count,
                              const std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries,
                              const std::string& tail) {
    std::string out;
    auto word = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
    };
    for (std::uint32_t v : {0x950412deu, 0u, count, 28u, 28u, 0u, 0u}) word(v);
    for (const auto& [length, offset] : entries) {
        word(length);
        word(offset);
    }
    return out + tail;
}

TEST(Catalogue, OffsetsAndCountsPastItsEndAreRefusedAndItsMemoryStaysWithinItsSize) {
    Catalogue c;
    std::string error;
    // Offset and length that wrap around in 32 bits: the end they give lies past the file
    // however it is counted.
    for (const auto& [length, offset] : std::vector<std::pair<std::uint32_t, std::uint32_t>>{
             {0x20, 0xFFFFFFF0u}, {0xFFFFFFFFu, 0x24}, {0x10, 0xFFFFFFFFu}}) {
        const std::string bytes = crafted_catalogue(1, {{length, offset}}, std::string(64, 'x'));
        EXPECT_NO_THROW(EXPECT_FALSE(c.parse(bytes, error))) << length << " at " << offset;
        EXPECT_NE(error.find("lies outside"), std::string::npos) << error;
        EXPECT_EQ(c.size(), 0u);
    }
    // A count far past what the tables hold.
    EXPECT_FALSE(c.parse(crafted_catalogue(0xFFFFFFFFu, {{1, 36}}, "ab"), error));
    // Many entries sharing one long text: each would be a copy of it. Refused, rather than
    // some thousands of times the file's size in memory.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> shared;
    const std::uint32_t count = 4000;
    const std::uint32_t text_at = 28 + 8 * count;
    for (std::uint32_t i = 0; i < count; ++i) shared.push_back({50000 - i, text_at + i});
    const std::string many = crafted_catalogue(count, shared, std::string(50000, 'y'));
    EXPECT_FALSE(c.parse(many, error));
    EXPECT_NE(error.find("overlap"), std::string::npos) << error;
    EXPECT_EQ(c.size(), 0u);
}

TEST(Catalogue, DesktopLanguageIsEnglishOnlyWhereItNamesEnglish) {
    EXPECT_EQ(desktop_language(nullptr, nullptr, nullptr, "en_GB.UTF-8"), Language::en);
    EXPECT_EQ(desktop_language(nullptr, nullptr, nullptr, "en"), Language::en);
    EXPECT_EQ(desktop_language(nullptr, nullptr, nullptr, "ja_JP.UTF-8"), Language::ja);
    EXPECT_EQ(desktop_language(nullptr, nullptr, nullptr, "de_DE.UTF-8"), Language::ja);
    EXPECT_EQ(desktop_language(nullptr, nullptr, nullptr, "C"), Language::ja);
    EXPECT_EQ(desktop_language(nullptr, nullptr, nullptr, "POSIX"), Language::ja);
    EXPECT_EQ(desktop_language(nullptr, nullptr, nullptr, "C.UTF-8"), Language::ja);
    EXPECT_EQ(desktop_language(nullptr, nullptr, nullptr, nullptr), Language::ja);
    EXPECT_EQ(desktop_language(nullptr, nullptr, nullptr, "eng"), Language::ja);
    // The first that is set decides: LC_ALL over LC_MESSAGES over LANG.
    EXPECT_EQ(desktop_language(nullptr, "ja_JP.UTF-8", "en_US.UTF-8", "en_US.UTF-8"), Language::ja);
    EXPECT_EQ(desktop_language(nullptr, "", "en_US.UTF-8", "ja_JP.UTF-8"), Language::en);
    // LANGUAGE's first entry over the locale, but not under C.
    EXPECT_EQ(desktop_language("en:ja", nullptr, nullptr, "ja_JP.UTF-8"), Language::en);
    EXPECT_EQ(desktop_language("ja:en", nullptr, nullptr, "en_US.UTF-8"), Language::ja);
    EXPECT_EQ(desktop_language("en", nullptr, nullptr, "C"), Language::ja);
}

// A form in a folder that holds the English catalogue above.
struct EnglishFixture : FormFixture<VirtualPlatform> {
    std::vector<std::string> notes;
    explicit EnglishFixture(bool with_catalogue = true) : FormFixture("english") {
        if (with_catalogue) {
            folder.write("locale/en/LC_MESSAGES/hazama.mo", catalogue_bytes(kEnglish));
        }
        platform.on_note = [this](const std::string& line) { notes.push_back(line); };
    }
};

TEST(FormLanguage, TheWaitingLineIsRedrawnAndTheHistoryKeepsTheKey) {
    EnglishFixture f;
    std::vector<std::string> seen;
    f.platform.reader = [&] {
        seen.push_back(f.platform.message_text());
        f.form.set_language(Language::en);
        seen.push_back(f.platform.message_text());
        f.form.copy_line();
        f.form.labmain_Click();
    };
    f.form.message("飛沫「おはよう、お母さん。」");
    EXPECT_EQ(seen, (std::vector<std::string>{"飛沫「おはよう、お母さん。」",
                                              "Shibuki: “Morning, Mom.”"}));
    EXPECT_EQ(f.platform.copied().back(), "Shibuki: “Morning, Mom.”");
    // The history holds the Japanese, which is shown in either language.
    EXPECT_EQ(f.form.reading().history().entries().back().text, "飛沫「おはよう、お母さん。」");
    // Now in English from the start; a line the catalogue lacks stays Japanese.
    f.platform.reader = [&] { f.form.labmain_Click(); };
    f.form.message("飛沫「おはよう、お母さん。」");
    f.form.message("未訳の行。");
    EXPECT_NE(std::find(f.notes.begin(), f.notes.end(), "message Shibuki: “Morning, Mom.”"),
              f.notes.end());
    EXPECT_EQ(f.notes.back(), "message 未訳の行。");
    f.form.set_language(Language::ja);
    EXPECT_EQ(f.platform.message_text(), "未訳の行。");
}

TEST(FormLanguage, ALineAppearingLetterByLetterShowsWholeInTheOtherLanguage) {
    EnglishFixture f;
    f.form.set_text_speed(TextSpeed::slow);
    int waits = 0;
    f.platform.reader = [&] {
        if (++waits == 1) {
            f.form.set_language(Language::en);  // while the first letters show
        } else {
            f.form.labmain_Click();
        }
    };
    f.form.message("飛沫「おはよう、お母さん。」");
    EXPECT_EQ(f.platform.message_text(), "Shibuki: “Morning, Mom.”");
    EXPECT_EQ(waits, 2);  // shown whole, then it waited for the reader as ever
}

TEST(FormLanguage, ALearnerHoldsTheKeyToSeeTheEnglishOfTheLine) {
    EnglishFixture f;
    std::vector<std::string> seen;
    int waits = 0;
    f.platform.reader = [&] {
        if (++waits == 1) {
            f.form.peek_english(true);
            seen.push_back(f.platform.message_text());
            f.form.copy_line();
        }
        if (waits == 2) {
            // Still held: the next line shows in English too; let go, it is Japanese again.
            seen.push_back(f.platform.message_text());
            f.form.peek_english(false);
            seen.push_back(f.platform.message_text());
        }
        f.form.labmain_Click();
    };
    f.form.message("飛沫「おはよう、お母さん。」");
    f.form.message("↑家の中");
    EXPECT_EQ(seen, (std::vector<std::string>{"Shibuki: “Morning, Mom.”", "↑ Into the house",
                                              "↑家の中"}));
    EXPECT_EQ(f.platform.copied(), std::vector<std::string>{"Shibuki: “Morning, Mom.”"});
    EXPECT_EQ(f.form.language(), Language::ja);
    EXPECT_EQ(std::count_if(f.notes.begin(), f.notes.end(),
                            [](const std::string& n) { return n.starts_with("language"); }),
              0);
}

TEST(FormLanguage, MissingCatalogueLeavesJapaneseAndSaysWhy) {
    EnglishFixture f(false);
    f.platform.reader = [&] { f.form.labmain_Click(); };
    f.form.set_language(Language::en);
    f.form.message("飛沫「おはよう、お母さん。」");
    EXPECT_EQ(f.platform.message_text(), "飛沫「おはよう、お母さん。」");
    EXPECT_TRUE(f.notes.at(1).starts_with("catalogue-error cannot read ")) << f.notes.at(1);
}

}  // namespace
}  // namespace hazama
