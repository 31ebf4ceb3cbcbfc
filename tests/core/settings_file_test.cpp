// The remembered choices' file read and written by the core: the file today's game writes
// reads as it was meant, what is no line of ours is passed over, every value reads back as
// written, and the file is replaced whole.
#include "platform/settings_file.h"

#include <gtest/gtest.h>

#include "core/form_fixture.h"

namespace hazama {
namespace {

using testing::bytes_of;
using testing::ScratchFolder;

// The file as the game has written it so far.
constexpr const char* kWritten =
    "[General]\nauto_advance=false\nauto_speed=normal\ncopy_lines=false\nfullscreen=true\n"
    "history_both=false\nlanguage=en\nskip_mode=read\nskip_read=false\ntext_speed=instant\n"
    "volume=75\nwindow_size=150\n";

TEST(CoreSettingsFile, ReadsTheFileTheGameWritesAndPassesOverWhatIsNoneOfOurs) {
    const SettingValues values = parse_settings(kWritten);
    EXPECT_EQ(values.size(), 11u);
    EXPECT_EQ(values.at("fullscreen"), "true");
    EXPECT_EQ(values.at("volume"), "75");
    EXPECT_EQ(values.at("language"), "en");
    EXPECT_EQ(encode_settings(values), kWritten) << "written as it has always been";

    const SettingValues odd = parse_settings(
        "volume = 50 \r\n; a comment\n# another\n[Other]\nvolume=25\n[General]\n"
        "no equals sign\nbad name=1\n=2\nlanguage=\"ja\"\ncopy_lines=true ; said twice\n"
        "\xff\xfe=3\n");
    EXPECT_EQ(odd, (SettingValues{{"volume", "50"}, {"language", "ja"}, {"copy_lines", "true"}}));
    EXPECT_TRUE(parse_settings("").empty());
    EXPECT_TRUE(parse_settings(std::string(1000, '\0')).empty());
}

TEST(CoreSettingsFile, EveryValueReadsBackAsWritten) {
    const SettingValues values{{"plain", "instant"}, {"spaced", " a b "},   {"quoted", "\"x\""},
                               {"semi", "a;b"},      {"slash", "a\\b"},     {"empty", ""},
                               {"hash", "#1"},       {"japanese", "日本語"}};
    EXPECT_EQ(parse_settings(encode_settings(values)), values);
    // A name that would not read back is not written.
    const std::string text = encode_settings({{"bad name", "1"}, {"", "2"}, {"ok", "3"}});
    EXPECT_EQ(text, "[General]\nok=3\n");
}

TEST(CoreSettingsFile, WrittenWholeWithItsFolderAndReadThroughTheGuardedReader) {
    ScratchFolder folder("settings-file");
    const auto path = folder.path() / "config" / "hazama" / "settings.ini";
    EXPECT_TRUE(read_settings_file(path).empty()) << "missing: the defaults";
    write_settings_file(path, {{"volume", "25"}});
    EXPECT_EQ(bytes_of(path), "[General]\nvolume=25\n");
    EXPECT_EQ(read_settings_file(path), (SettingValues{{"volume", "25"}}));
    folder.write("config/hazama/settings.ini", std::string(kLargestSettingsFile + 1, 'a'));
    EXPECT_TRUE(read_settings_file(path).empty()) << "too large: the defaults";
    EXPECT_TRUE(read_settings_file({}).empty());
}

}  // namespace
}  // namespace hazama
