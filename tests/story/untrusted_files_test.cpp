// Slots edited by hand and pictures that are no pictures, through the runner and the
// picture decoder: each refused whole with its reason, nothing applied or sent that a save
// file could not hold, and nothing written from a position no play reaches.
#include <QBuffer>
#include <QImage>
#include <fstream>

#include "../core/form_fixture.h"
#include "../core/hostile_file.h"
#include "harness.h"
#include "platform/qt_picture_decoder.h"
#include "replay/slot_file.h"

namespace hazama::testing {
namespace {

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A slot as the first builds wrote it: the body of `text` under version 1, with no check.
std::string first_build(const std::string& text) {
    return "# hazama position 1\n" + text.substr(text.find("# saved"));
}

TEST(UntrustedSlots, AHandEditedSlotIsRefusedWholeAndNothingOfItReachesTheGame) {
    const ScratchFolder data("slot-edited");
    ASSERT_EQ(play("new\nlook\nslot save good\n", data.path()).status, 0);
    const std::string good = first_build(read_file(slot_path(data.path(), "good")));
    const std::pair<std::string, std::string> edits[] = {
        {"load-state game=200 position=250 light=9 music=mind",
         "a load holds values no save file can"},
        {"load-state game=5 position=3 light=0 music=a\" alias x1.mid",
         "a load names music no save file can"},
        {"set game=200", "a set gives game a value no play can"},
        {"set music=a\" alias x1.mid", "a set names music no save file can"},
        {"move 9", "a command the game does not know: move 9"},
    };
    for (const auto& [edit, why] : edits) {
        data.write("saves/bad.hzs", good + edit + " # 0 cbf29ce484222325\n");
        const Played played = play("new\nlook\nslot load bad\nslot save auto\n", data.path());
        ASSERT_EQ(played.status, 0) << played.errors;
        EXPECT_EQ(played.of("slot refused"), std::vector<std::string>{"slot refused bad: " + why})
            << edit;
        EXPECT_TRUE(played.of("replay to message").empty()) << edit;
        for (const std::string& mci : played.of("mci"))
            EXPECT_EQ(mci.find("alias x1.mid"), std::string::npos) << mci;
        // Play goes on where it stood, and the automatic slot keeps that.
        EXPECT_EQ(played.of("state").back(), played.after("look").of("state").back()) << edit;
        std::string reason;
        EXPECT_TRUE(read_slot(slot_path(data.path(), "auto"), reason)) << reason;
    }
    // The unedited one, as the first builds wrote it, loads.
    data.write("saves/old.hzs", good);
    const Played old = play("slot load old\n", data.path());
    ASSERT_EQ(old.status, 0) << old.errors;
    EXPECT_TRUE(old.of("slot refused").empty()) << old.trace;
    EXPECT_EQ(old.of("replay to message").size(), 1u);
}

TEST(UntrustedSlots, NoSlotIsWrittenFromAStateNoPlayReaches) {
    const ScratchFolder data("slot-unreachable");
    const Played played = play("new\nset game=60\nquicksave\nslot save slot01\n", data.path());
    ASSERT_EQ(played.status, 0) << played.errors;
    const auto errors = played.of("file-error");
    ASSERT_EQ(errors.size(), 2u) << played.trace;
    EXPECT_NE(errors[0].find(": no play reaches this position: a set gives game a value no play "
                             "can"),
              std::string::npos)
        << errors[0];
    EXPECT_TRUE(played.of("slot saved").empty());
    EXPECT_FALSE(std::filesystem::exists(slot_path(data.path(), "quick")));
    EXPECT_FALSE(std::filesystem::exists(slot_path(data.path(), "slot01")));
}

// A small JPEG whose header says it is `width` × `height`.
std::string jpeg_saying(int width, int height) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    std::string jpeg = bytes.toStdString();
    const auto frame = jpeg.find("\xFF\xC0");
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height & 0xFF);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width & 0xFF);
    return jpeg;
}

TEST(UntrustedPictures, WhatIsNoPictureOrOneTooLargeIsRefusedBeforeAnythingIsMade) {
    const ScratchFolder folder("pictures");
    const auto file = folder.path() / "gra" / "h00.jpg";
    for (const Hostile kind : kHostileFiles) {
        put_hostile(file, kind);
        const Outcome outcome = run_apart([&] {
            Plane into;
            std::string error, art_error;
            // The scene's pictures and the window's own art alike.
            return !decode_picture(file.string(), into, error) && !error.empty() &&
                   decode_image(file.string(), art_error).isNull() && !art_error.empty();
        });
        EXPECT_EQ(outcome, Outcome::right) << hostile_name(kind) << ": " << outcome_name(outcome);
    }
    std::filesystem::remove_all(file);
    folder.write("gra/h00.jpg", jpeg_saying(65500, 65500));
    const Outcome huge = run_apart([&] {
        Plane into;
        std::string error;
        return !decode_picture(file.string(), into, error) &&
               error.find("大きすぎ") != std::string::npos && into.empty() &&
               decode_image(file.string(), error).isNull();
    });
    EXPECT_EQ(huge, Outcome::right) << "a 65500 × 65500 header: " << outcome_name(huge);
    // The same picture saying what it is decodes.
    folder.write("gra/h00.jpg", jpeg_saying(8, 8));
    Plane into;
    std::string error;
    ASSERT_TRUE(decode_picture(file.string(), into, error)) << error;
    EXPECT_EQ(into.width, 8);
    EXPECT_EQ(decode_image(file.string(), error).size(), QSize(8, 8));
}

}  // namespace
}  // namespace hazama::testing
