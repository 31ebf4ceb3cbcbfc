// Why a slot cannot be loaded, as the player reads it: every reason the slot reader gives,
// in Japanese in the Japanese game (no English left in it) and in English in the English one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "core/form_fixture.h"
#include "replay/slot_file.h"
#include "shell/slot_reasons.h"

namespace hazama {
namespace {

using testing::ScratchFolder;

bool has_latin_word(const std::string& text) {
    int run = 0;
    for (const char c : text) {
        run = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ? run + 1 : 0;
        if (run >= 3 && text.find("gra/") == std::string::npos) return true;
    }
    return false;
}

TEST(SlotReasons, EveryReasonTheReaderGivesIsInThePlayersLanguage) {
    // What the reader says of files it refuses, from the files themselves...
    const ScratchFolder folder("slot-reasons");
    std::vector<std::string> reasons;
    folder.write("bad.hzs", "not a slot at all\n");
    folder.write("old.hzs", "# hazama position 99\n");
    for (const char* name : {"bad.hzs", "old.hzs", "none.hzs"}) {
        std::string why;
        EXPECT_FALSE(read_slot(folder.path() / name, why).has_value()) << name;
        reasons.push_back(why);
    }
    // ...and the rest of its reasons, as it words them.
    for (const char* reason :
         {"the file is damaged (its check does not match)", "its picture is damaged",
          "a picture it lists lies outside gra/", "a field is longer than any the game writes",
          "a command the game does not know: dance", "a set gives game a value no play can",
          "a command is empty", "its count of lines goes back",
          "it cannot be read: Is a directory"})
        reasons.emplace_back(reason);

    const char* assets = std::getenv("HAZAMA_ASSETS");
    Translator words(assets != nullptr ? assets : "/nonexistent");
    std::set<std::string> japanese;
    for (const std::string& reason : reasons) {
        const std::string shown = player_reason(reason, words);
        EXPECT_FALSE(has_latin_word(shown)) << reason << " → " << shown;
        japanese.insert(shown);
    }
    EXPECT_EQ(japanese.size(), reasons.size()) << "each reason says what is wrong";
    EXPECT_EQ(player_reason("its picture is damaged", words), "縮小画像が壊れています");

    // A build of the core alone has no English catalogue to read.
    if (assets == nullptr || !std::filesystem::exists(std::filesystem::path(assets) / "locale" /
                                                      "en" / "LC_MESSAGES" / "hazama.mo"))
        GTEST_SKIP() << "no English catalogue in this build";
    words.set_language(Language::en);
    ASSERT_TRUE(words.load_error().empty()) << words.load_error();
    EXPECT_EQ(player_reason("its picture is damaged", words), "its picture is damaged");
    EXPECT_EQ(player_reason("a command the game does not know: dance", words),
              "a command the game does not know");
}

}  // namespace
}  // namespace hazama
