// The move command's map: which exits the chooser offers where, and where they lead.
#include <gtest/gtest.h>

#include "core/form_fixture.h"

namespace hazama {
namespace {

struct Fixture : testing::FormFixture<> {
    Fixture() : FormFixture("destinations") {
        // The program folder's only file is the staff roll the ending reads.
        folder.write("gra/staff.txt", "\"staff\"\n");
        platform.reader = [this] { form.labmain_Click(); };
        // Arriving somewhere plays that place's scene: give it blank pictures, and note
        // where the first one is shown (later hand-overs may move the player on).
        platform.decoder = [this](const std::string&, Plane& into, std::string&) {
            if (arrived_at < 0) arrived_at = form.position;
            into.resize(512, 384);
            return true;
        };
    }

    // Opens the chooser at (position, game) and cancels it; returns the captions.
    std::array<std::string, 3> offered(int position, int game) {
        form.position = static_cast<std::uint8_t>(position);
        form.game = static_cast<std::uint8_t>(game);
        platform.chooser_answers.push_back(3);
        form.commove_Click();
        return platform.choosers().back();
    }
    // Picks button `index` at (position, game); returns the place whose arrival scene
    // ran, or the position kept when nothing was chosen.
    int go(int position, int game, int index) {
        form.position = static_cast<std::uint8_t>(position);
        form.game = static_cast<std::uint8_t>(game);
        platform.chooser_answers.push_back(index);
        arrived_at = -1;
        form.commove_Click();
        return arrived_at >= 0 ? arrived_at : form.position;
    }
    int arrived_at = -1;
};

using Captions = std::array<std::string, 3>;

TEST(Destinations, EveryRowOfTheMap) {
    Fixture f;
    EXPECT_EQ(f.offered(1, 1), (Captions{"↑家の中", "←学校方面", ""}));
    EXPECT_EQ(f.go(1, 4, 1), 2);
    EXPECT_EQ(f.go(1, 48, 0), 15);
    EXPECT_EQ(f.go(1, 48, 1), 3);
    EXPECT_EQ(f.go(1, 5, 0), 4);
    EXPECT_EQ(f.go(1, 47, 1), 3);
    EXPECT_EQ(f.go(1, 49, 0), 4);
    EXPECT_EQ(f.offered(2, 1), (Captions{"←回り道をして学校へ", "飛沫の家→", ""}));
    EXPECT_EQ(f.go(2, 99, 0), 3);
    EXPECT_EQ(f.go(3, 4, 0), 5);
    EXPECT_EQ(f.go(3, 4, 1), 1);
    EXPECT_EQ(f.offered(3, 44), (Captions{"↑この家の玄関", "←学校", "飛沫の家→"}));
    EXPECT_EQ(f.go(3, 44, 2), 13);
    EXPECT_EQ(f.go(3, 43, 2), 1);
    EXPECT_EQ(f.go(3, 45, 0), 6);
    EXPECT_EQ(f.offered(4, 9), (Captions{"家の外↓", "", ""}));
    EXPECT_EQ(f.go(4, 10, 0), 10);
    EXPECT_EQ(f.go(4, 10, 1), 1);
    EXPECT_EQ(f.go(5, 1, 0), 3);
    EXPECT_EQ(f.offered(7, 28), (Captions{"↑奥", "", ""}));
    EXPECT_EQ(f.go(7, 27, 1), 6);
    EXPECT_EQ(f.go(8, 1, 0), 9);
    EXPECT_EQ(f.go(8, 1, 1), 7);
    EXPECT_EQ(f.go(9, 30, 0), 8);
    EXPECT_EQ(f.go(10, 30, 0), 4);
    EXPECT_EQ(f.go(14, 45, 0), 3);
}

TEST(Destinations, TheFrontDoorOpensOnlyInItsStretches) {
    Fixture f;
    for (int game = 1; game <= 99; ++game) {
        const bool inside = (game <= 9) || (game >= 16 && game <= 18) ||
                            (game >= 24 && game <= 26) || (game >= 29 && game <= 39);
        const Captions expected = inside ? Captions{"↑家の中", "この家の前の道↓", ""}
                                         : Captions{"この家の前の道↓", "", ""};
        EXPECT_EQ(f.offered(6, game), expected) << "game " << game;
    }
}

TEST(Destinations, NothingIsOfferedBeforeTheStoryOrAtClosedPlaces) {
    Fixture f;
    for (int position = 0; position <= 19; ++position) {
        if (position == 0) continue;  // location 0 is the prologue: arriving there replays it
        EXPECT_EQ(f.offered(position, 0), (Captions{"", "", ""})) << position;
        EXPECT_EQ(f.offered(position, 100), (Captions{"", "", ""})) << position;
    }
    for (int position : {11, 12, 13, 15, 16, 17, 18, 19}) {
        EXPECT_EQ(f.offered(position, 30), (Captions{"", "", ""})) << position;
    }
}

TEST(Destinations, CancelBlankButtonAndCloseBoxStayPut) {
    Fixture f;
    for (int answer : {3, -1, 2}) {
        EXPECT_EQ(f.go(5, 30, answer), 5);
        EXPECT_EQ(f.form.f00, 0);  // the routine's com made the window idle again
        EXPECT_TRUE(f.form.enabled(Control::commove));
    }
}

}  // namespace
}  // namespace hazama
