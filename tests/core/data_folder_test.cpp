// Finding the game's data: beside the program first, then the installed folder.
#include "platform/data_folder.h"

#include <gtest/gtest.h>

#include "core/form_fixture.h"

namespace hazama {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

TEST(DataFolder, BesideTheProgramWinsOverTheInstalledData) {
    ScratchFolder tree("datafolder");
    const fs::path games = tree.path() / "usr" / "games";
    const fs::path installed = tree.path() / "usr" / "share" / "games" / "hazama";
    tree.write("usr/share/games/hazama/gra/staff.txt", "");
    fs::create_directories(games);

    EXPECT_EQ(data_folder_candidates(games), (std::vector<fs::path>{games, installed}));
    EXPECT_EQ(find_data_folder(games), installed);

    // A player's own copy beside the program is preferred, whatever case its name has.
    fs::create_directories(games / "GRA");
    EXPECT_EQ(find_data_folder(games), games);
}

TEST(DataFolder, NothingWhenNeitherPlaceHoldsThePictures) {
    ScratchFolder tree("datafolder");
    const fs::path bin = tree.path() / "bin";
    // music/ alone, or a file named gra, is not the data.
    tree.write("bin/music/mind.mid", "");
    tree.write("bin/gra", "");
    tree.write("share/games/hazama/music/mind.mid", "");
    EXPECT_EQ(find_data_folder(bin), std::nullopt);

    // An installed path that leads back to the program's folder is tried once.
    EXPECT_EQ(data_folder_candidates(bin, "."), std::vector<fs::path>{bin});
    EXPECT_EQ(data_folder_candidates(bin, ""), std::vector<fs::path>{bin});
}

}  // namespace
}  // namespace hazama
