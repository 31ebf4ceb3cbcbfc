// The slot's file checked as a save file is: its base64, its versions (the first builds'
// slots still read), its check (a damaged file told apart), and every value its replay
// would apply, each refused whole with its reason; and no slot written from a position
// that no play reaches.
#include "replay/slot_file.h"

#include <gtest/gtest.h>

#include "core/form_fixture.h"
#include "replay/slot_check.h"
#include "save/save_file.h"

namespace hazama {
namespace {

using testing::bytes_of;
using testing::ScratchFolder;

TEST(SlotBase64, TheStandardsVectorsBothWaysAndPaddingOnlyWhereItBelongs) {
    const std::pair<std::string, std::string> vectors[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {std::string("\xff\x00\xfe", 3), "/wD+"}};
    for (const auto& [bytes, text] : vectors) {
        EXPECT_EQ(base64_encode(bytes), text);
        EXPECT_EQ(base64_decode(text), bytes) << text;
    }
    for (const char* bad :
         {"Zg=", "Zg", "Z===", "Zm9v=", "Zg==Zg==", "Zm=v", "Zm9vY===", "Zm9*", "=Zm9"}) {
        EXPECT_FALSE(base64_decode(bad)) << bad;
    }
}

// A slot of `commands` (each with no lines before it) idle after them.
Slot slot_of(std::vector<std::string> commands, int message = 0) {
    Slot slot;
    slot.saved_at = "2026-12-09 21:04";
    slot.place = "家の中";
    for (std::string& c : commands) slot.position.commands.push_back({std::move(c), 0, kNoLines});
    slot.position.message = message;
    return slot;
}

// A slot as the first builds wrote it: version 1, and no check.
std::string first_build(const std::string& text) {
    const auto body = text.find('\n', text.find('\n') + 1) + 1;
    return "# hazama position 1\n" + text.substr(body);
}

TEST(SlotFile, TheFirstBuildsSlotsStillReadAndOtherVersionsAreRefused) {
    const Slot slot = slot_of({"new", "look", "move 1"});
    const std::string text = encode_slot(slot);
    ASSERT_TRUE(text.starts_with("# hazama position 2\n# check "));
    std::string why;
    const auto now = decode_slot(text, why);
    ASSERT_TRUE(now) << why;
    EXPECT_EQ(now->position, slot.position);
    EXPECT_EQ(now->place, "家の中");
    // As today's players have them.
    const std::string old =
        "# hazama position 1\n# saved 2026-12-09 21:04\n# place 家の中\n# line 飛沫「ただいま」\n"
        "# idle 0 cbf29ce484222325\n# pictures gra/h00_title.jpg gra/k01_sib1.jpg\n"
        "new # 0 cbf29ce484222325\nlook # 0 cbf29ce484222325\nmove 1 # 0 cbf29ce484222325\n";
    const auto first = decode_slot(old, why);
    ASSERT_TRUE(first) << why;
    EXPECT_EQ(first->position, slot.position);
    EXPECT_EQ(first->line, "飛沫「ただいま」");
    EXPECT_EQ(first->pictures, (std::vector<std::string>{"gra/h00_title.jpg", "gra/k01_sib1.jpg"}));
    EXPECT_TRUE(decode_slot(first_build(text), why));

    for (const char* version : {"0", "3", "10", "-1", "2x", ""}) {
        std::string other = text;
        other.replace(0, text.find('\n'), std::string("# hazama position ") + version);
        EXPECT_FALSE(decode_slot(other, why)) << version;
        EXPECT_EQ(why, "saved by another version of the game") << version;
    }
    EXPECT_FALSE(decode_slot("# hazama save 2\n", why));
    EXPECT_EQ(why, "not a saved position");
}

TEST(SlotFile, ADamagedSlotIsToldFromAStoryThatChanged) {
    const std::string text = encode_slot(slot_of({"new", "look", "talk"}, 0));
    std::string why;
    std::vector<std::string> damaged;
    for (std::size_t at = text.find("# saved"); at < text.size(); at += 7) {
        std::string flipped = text;
        flipped[at] ^= 0x01;
        damaged.push_back(flipped);
    }
    damaged.push_back(text.substr(0, text.size() - 1));  // the last byte lost
    damaged.push_back(text.substr(0, text.rfind("talk")));
    damaged.push_back(text + "look # 0 cbf29ce484222325\n");
    std::string no_check = text;
    no_check.erase(no_check.find("# check"), no_check.find("# saved") - no_check.find("# check"));
    damaged.push_back(no_check);
    for (const std::string& d : damaged) {
        EXPECT_FALSE(decode_slot(d, why)) << d;
        EXPECT_EQ(why, "the file is damaged (its check does not match)") << d;
    }
}

TEST(SlotFile, EveryValueAReplayWouldApplyIsCheckedAsASaveFileChecksIt) {
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"load-state game=200 position=3 light=0 music=mind"},
         "a load holds values no save file can"},
        {{"load-state game=5 position=250 light=0 music=mind"},
         "a load holds values no save file can"},
        {{"load-state game=5 position=3 light=9 music=mind"},
         "a load holds values no save file can"},
        {{"load-state game=5 position=3 light=0 music=a\" alias x1.mid"},
         "a load names music no save file can"},
        {{"load-state game=5 position=3 light=0 music=../../x"},
         "a load names music no save file can"},
        {{"load-state game=5 position=3 light=0 music=曲"}, "a load names music no save file can"},
        {{"load-state game=5 light=0 music=mind"}, "a load is not written as the game writes it"},
        {{"load-state game=05 position=3 light=0 music=mind"},
         "a load is not written as the game writes it"},
        {{"set game=51"}, "a set gives game a value no play can"},
        {{"set position=21"}, "a set gives position a value no play can"},
        {{"set light=2"}, "a set gives light a value no play can"},
        {{"set x00=3"}, "a set gives x00 a value no play can"},
        {{"set f00=4"}, "a set gives f00 a value no play can"},
        {{"set music=a\"b"}, "a set names music no save file can"},
        {{"set mes=1"}, "a set names no state of the game"},
        {{"set"}, "a set sets nothing"},
        {{"new", "move 4"}, "a command the game does not know: move 4"},
        {{"new", "move -1"}, "a command the game does not know: move -1"},
        {{"new", "look now"}, "a command the game does not know: look now"},
        {{"snapshot /tmp/x.png"}, "a command the game does not know: snapshot /tmp/x.png"},
        {{"new\tlook"}, "a command holds a control character"},
    };
    std::string why;
    for (const auto& [commands, reason] : refused) {
        const Slot slot = slot_of(commands);
        EXPECT_FALSE(decode_slot(encode_slot(slot), why)) << commands.back();
        EXPECT_EQ(why, reason) << commands.back();
        // And none is written.
        ScratchFolder folder("slot-check");
        const auto path = slot_path(folder.path(), "slot01");
        try {
            write_slot(path, slot);
            ADD_FAILURE() << commands.back() << " was written";
        } catch (const FileError& e) {
            EXPECT_EQ(e.reason(), "no play reaches this position: " + reason);
        }
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    // What the game itself writes passes, a name with " # " in it too.
    for (const char* fine : {"load-state game=50 position=20 light=1 music=a # b",
                             "load-state game=0 position=0 light=0 music=",
                             "set game=4 position=3 light=1 x00=2 f00=3 music=mind+mie",
                             "move close", "move 0", "move 3"}) {
        const auto slot = decode_slot(encode_slot(slot_of({fine})), why);
        ASSERT_TRUE(slot) << fine << ": " << why;
        EXPECT_EQ(slot->position.commands.at(0).text, fine);
    }
}

TEST(SlotFile, EveryMusicNameASaveFileGivesPassesTheSlotsCheck) {
    // A load in a slot holds what a save file gave: each single-byte character, alone and
    // between two letters, as the loader reads it back.
    int accepted = 0;
    for (int b = 1; b < 256; ++b) {
        for (const std::string& name : {std::string(1, static_cast<char>(b)),
                                        "a" + std::string(1, static_cast<char>(b)) + "b"}) {
            const auto bytes = encode_save(1, 1, "x", 0, 0);
            ASSERT_TRUE(bytes);
            // The save's own bytes for the name, as encode_save would chain them.
            std::vector<std::uint8_t> file(bytes->begin(), bytes->begin() + 11);
            std::uint8_t k = file.back();
            auto chain = [&](std::uint8_t v) {
                k ^= v;
                file.push_back(k);
            };
            chain(static_cast<std::uint8_t>(name.size()));
            for (unsigned char c : name) chain(c);
            chain(0);
            chain(0);
            const auto state = decode_save(file);
            if (!state) continue;
            ++accepted;
            EXPECT_TRUE(music_name_ok(state->music_file)) << "byte " << b;
            std::string why;
            EXPECT_TRUE(
                command_ok("load-state game=1 position=1 light=0 music=" + state->music_file, why))
                << "byte " << b << ": " << why;
        }
    }
    EXPECT_GT(accepted, 300);
}

TEST(SlotFile, CountsOfLinesOnlyGrowAndPicturesStayInGra) {
    std::string why;
    Slot backwards = slot_of({"new", "look"});
    backwards.position.commands[0].messages_before = 5;
    EXPECT_FALSE(decode_slot(encode_slot(backwards), why));
    EXPECT_EQ(why, "its count of lines goes back");
    Slot short_of_it = slot_of({"new"});
    short_of_it.position.commands[0].messages_before = 3;
    short_of_it.position.message = 2;
    EXPECT_FALSE(decode_slot(encode_slot(short_of_it), why));
    EXPECT_EQ(why, "it does not say a line that play reached");
    Slot waiting_on_nothing = slot_of({"new"});
    waiting_on_nothing.position.at_line = true;
    EXPECT_FALSE(decode_slot(encode_slot(waiting_on_nothing), why));

    // A listed picture outside gra/ is refused whole; the writer never lists one.
    for (const char* outside : {"gra/../../../etc/passwd", "/etc/passwd", "gra/./a.jpg",
                                "music/mind.mid", "gra//a.jpg", "gra/"}) {
        std::string text = encode_slot(slot_of({"new"}));
        const Slot listed = [&] {
            Slot s = slot_of({"new"});
            s.pictures = {"gra/h00_title.jpg", outside};
            return s;
        }();
        const auto written = decode_slot(encode_slot(listed), why);
        ASSERT_TRUE(written) << why;
        EXPECT_EQ(written->pictures, std::vector<std::string>{"gra/h00_title.jpg"}) << outside;
        std::string body = text.substr(text.find("# saved"));
        body.insert(body.find("new #"), std::string("# pictures gra/a.jpg ") + outside + "\n");
        EXPECT_FALSE(decode_slot("# hazama position 1\n" + body, why)) << outside;
        EXPECT_EQ(why, "a picture it lists lies outside gra/") << outside;
    }
    EXPECT_TRUE(listed_picture_ok("gra/window/picmask1.gif"));
}

// The bytes of a PNG's first chunk saying `width` × `height`.
std::string png_header(std::uint32_t width, std::uint32_t height) {
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (std::uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>(v >> shift & 0xFF);
    return png + std::string("\x08\x02\0\0\0", 5);
}

TEST(SlotFile, AThumbnailMustBeAPictureTheScreenCanDraw) {
    std::string why;
    Slot slot = slot_of({"new"});
    slot.thumbnail_png = png_header(256, 192);
    const auto read = decode_slot(encode_slot(slot), why);
    ASSERT_TRUE(read) << why;
    EXPECT_EQ(read->thumbnail_png, slot.thumbnail_png);
    for (const std::string& bad : {png_header(65500, 65500), png_header(0, 10),
                                   std::string("GIF89a........................")}) {
        slot.thumbnail_png = bad;
        EXPECT_FALSE(decode_slot(encode_slot(slot), why));
        EXPECT_EQ(why, "its picture is damaged");
    }
}

TEST(SlotFile, ASlotIsReadAndWrittenAsAnyPlayerFile) {
    ScratchFolder folder("slot-file");
    const auto path = slot_path(folder.path(), "quick");
    write_slot(path, slot_of({"new", "look"}));
    std::string why;
    const auto read = read_slot(path, why);
    ASSERT_TRUE(read) << why;
    EXPECT_EQ(read->position.commands.size(), 2u);
    EXPECT_EQ(encode_slot(*read), bytes_of(path)) << "read back as written";
    EXPECT_FALSE(read_slot(slot_path(folder.path(), "none"), why));
    EXPECT_EQ(why, "no such save");
}

}  // namespace
}  // namespace hazama
