// Pictures into planes, composing figures, portraits, the mirror and the falling star.
#include <gtest/gtest.h>

#include "graphics/raster.h"
#include "graphics_fixture.h"

namespace hazama {
namespace {

using testing::box_of;
using testing::GraphicsFixture;
using testing::numbered;
using Box = std::array<int, 4>;
using Notes = std::vector<std::string>;

TEST(Pictures, LoadingFindsTheFileInAnyCaseAndFailsNamingIt) {
    GraphicsFixture f;
    f.add("gra/h04_sumi.jpg", numbered(512, 384, 1));
    f.add("gra/I15_See2.JPG", numbered(1000, 960, 2));
    f.add("gra/i02_kibr.jpg", Plane(60, 43, 0x808080));
    f.form.picture(1, "h04_sumi.jpg");
    EXPECT_EQ(f.form.picmain[1].pixels, numbered(512, 384, 1).pixels);
    // The panorama plane takes the picture's size; the others keep the picture area's, with
    // the picture from the top-left: cut when larger, on black when smaller.
    f.form.picture(5, "i15_see2.jpg");
    EXPECT_EQ(f.form.picmain[5].pixels, numbered(1000, 960, 2).pixels);
    EXPECT_EQ(f.form.picmain[5].width, 1000);
    f.form.picture(1, "i15_see2.jpg");
    EXPECT_EQ(f.form.picmain[1].width * 1000 + f.form.picmain[1].height, 512384);
    EXPECT_EQ(f.form.picmain[1].at(511, 383), numbered(1000, 960, 2).at(511, 383));
    f.form.picture(2, "i02_kibr.jpg");
    EXPECT_EQ(box_of(f.form.picmain[2], 0x808080), (Box{0, 0, 59, 42}));
    EXPECT_EQ(box_of(f.form.picmain[2], kBlack), (Box{0, 0, 511, 383}));
    EXPECT_EQ(f.notes, (Notes{"picture 1 gra/h04_sumi.jpg", "picture 5 gra/i15_see2.jpg",
                              "picture 1 gra/i15_see2.jpg", "picture 2 gra/i02_kibr.jpg"}));

    const std::pair<void (*)(MainForm&), const char*> missing[] = {
        {[](MainForm& m) { m.picture(1, "h99_none.jpg"); }, "gra/h99_none.jpg"},
        {[](MainForm& m) { m.face("k09_none"); }, "gra/k09_none.jpg"},
        {[](MainForm& m) { m.mask(4); }, "gra/window/picmask4.gif"},
        {[](MainForm& m) { m.stardust(); }, "gra/i09_stas.jpg"},
    };
    for (auto [load, name] : missing) {
        try {
            load(f.form);
            ADD_FAILURE() << name << " loaded";
        } catch (const FatalError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
}

TEST(Pictures, SilhouettesLoadOnceAndMaskZeroIsEmpty) {
    GraphicsFixture f;
    f.add("gra/window/picmask2.gif", Plane(160, 384, kWhite));
    f.form.mask(2);
    f.form.picmain[3].resize(512, 384, 0x123456);
    f.form.mask(2);
    EXPECT_EQ(f.decoded, 1);
    EXPECT_EQ(box_of(f.form.picmain[3], kWhite), (Box{0, 0, 159, 383}));
    EXPECT_EQ(box_of(f.form.picmain[3], kBlack), (Box{160, 0, 511, 383}));
    f.form.mask(0);
    EXPECT_EQ(f.form.picmain[3].pixels, Plane(512, 384, kBlack).pixels);
    EXPECT_EQ(f.notes, (Notes{"mask 2", "mask 2", "mask 0"}));
}

TEST(Pictures, FiguresShowInsideTheirSilhouetteFromTheCentreLessEighty) {
    constexpr std::uint32_t kStage = 0x336699, kCloth = 0xCC2200;
    GraphicsFixture f;
    // Puts a figure (on white) and its silhouette, a band 10 pixels inside the figure's box,
    // into planes 2 and 3.
    auto figure = [&](int width, std::uint32_t cloth, std::uint32_t inside, int margin) {
        fill_box(f.form.picmain[1], 0, 0, 512, 384, kStage);
        f.form.picmain[2].resize(512, 384, kWhite);
        f.form.picmain[3].resize(512, 384, kBlack);
        fill_box(f.form.picmain[2], margin, 0, width - 2 * margin, 384, cloth);
        fill_box(f.form.picmain[3], margin, 0, width - 2 * margin, 384, inside);
    };
    figure(160, kCloth, kWhite, 10);
    f.form.lay(256, 50);
    EXPECT_EQ(box_of(f.form.picmain[1], kCloth), (Box{186, 50, 325, 383}));
    EXPECT_EQ(std::count(f.form.picmain[1].pixels.begin(), f.form.picmain[1].pixels.end(), kStage),
              512 * 384 - 140 * 334);
    figure(196, kCloth, kWhite, 10);
    f.form.lays(256, 0, 196, 384);  // the 80 is subtracted whatever the width
    EXPECT_EQ(box_of(f.form.picmain[1], kCloth), (Box{186, 0, 361, 383}));

    // Figures cut at the stage's edges.
    figure(160, kCloth, kWhite, 0);
    f.form.lay(30, 0);
    f.form.lay(500, -100);
    EXPECT_EQ(f.form.picmain[1].at(109, 383), kCloth);
    EXPECT_EQ(f.form.picmain[1].at(110, 383), kStage);
    EXPECT_EQ(f.form.picmain[1].at(420, 283), kCloth);
    EXPECT_EQ(f.form.picmain[1].at(420, 284), kStage);
    // Grey edge pixels of a silhouette blend figure and stage bitwise.
    figure(160, 0x0F0F0F, 0x808080, 0);
    f.form.lay(80, 0);
    EXPECT_EQ(f.form.picmain[1].at(0, 0), (kStage | 0x808080u) & 0x0F0F0Fu);
    EXPECT_EQ(f.notes,
              (Notes{"lay 256 50", "lays 256 0 196 384", "lay 30 0", "lay 500 -100", "lay 80 0"}));
}

TEST(Pictures, PortraitsShowAndHideAndTheMirrorTwiceGivesThePictureBack) {
    GraphicsFixture f;
    f.add("gra/k03_syo0.jpg", Plane(65, 65, 0x445566));
    f.form.face("k03_syo0");
    EXPECT_TRUE(f.platform.is_visible(Control::picface));
    EXPECT_EQ(f.form.portrait.pixels, Plane(65, 65, 0x445566).pixels);
    f.form.face("k03_syo0");
    EXPECT_EQ(f.decoded, 2);  // loaded again each time
    f.form.face(0);
    f.form.face(0);
    EXPECT_FALSE(f.platform.is_visible(Control::picface));

    const Plane original = numbered(512, 384, 4);
    f.form.picmain[1] = original;
    f.form.reverse();
    EXPECT_EQ(f.form.picmain[1].at(0, 7), original.at(511, 7));
    EXPECT_EQ(f.form.picmain[1].at(300, 383), original.at(211, 383));
    EXPECT_EQ(f.form.picmain[3].pixels, f.form.picmain[1].pixels);
    f.form.reverse();
    EXPECT_EQ(f.form.picmain[1].pixels, original.pixels);
    EXPECT_TRUE(f.frames.empty());
    EXPECT_EQ(f.notes,
              (Notes{"face k03_syo0", "face k03_syo0", "face 0", "face 0", "reverse", "reverse"}));
}

constexpr std::uint32_t kSky = 0x101830;

struct Sky : GraphicsFixture {
    Sky() {
        platform.set_now(1000);
        add("gra/i09_stas.jpg", Plane(512, 384, kSky));
        add("gra/o02_star.jpg", numbered(46, 40, 15));  // each star pixel names its place
    }
};

// Where the star's box lies on a screen, from the star pixels that show (which must all
// agree), and how many show.
struct StarSeen {
    int left = -1, top = -1, pixels = 0;
    bool agree = true;
};
StarSeen star_in(const Plane& screen) {
    StarSeen seen;
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            const std::uint32_t px = screen.at(x, y);
            if ((px >> 20) != 15) continue;
            const int left = x - static_cast<int>(px & 0x3FF);
            const int top = y - static_cast<int>(px >> 10 & 0x3FF);
            if (seen.pixels++ == 0) seen.left = left, seen.top = top;
            seen.agree = seen.agree && left == seen.left && top == seen.top;
        }
    }
    return seen;
}

TEST(Stardust, TheStarLagsOneFrameFallsAlongTheDiagonalAndThinsOut) {
    Sky f;
    f.form.stardust();
    // One frame per position value, then the closing refresh, over exactly 500 ms.
    ASSERT_EQ(f.frames.size(), 201u);
    EXPECT_EQ(f.platform.now_ms(), 1500u);
    const std::uint32_t want_at[] = {1000, 1003, 1005, 1008};
    const int want_box[][2] = {{293, 193}, {294, 192}, {293, 193}, {292, 194}};
    for (int i = 0; i < 4; ++i) {
        const StarSeen seen = star_in(f.frames[i].screen);
        EXPECT_EQ(f.frames[i].at, want_at[i]);
        EXPECT_EQ(seen.left, want_box[i][0]) << "frame " << i;
        EXPECT_EQ(seen.top, want_box[i][1]) << "frame " << i;
        EXPECT_TRUE(seen.agree);
        EXPECT_EQ(seen.pixels, 46 * 40);  // step 0 shows the whole star
    }
    // 475 ms in: step 15, the box at position 189 with three rows above the bottom edge;
    // only the pixels that turn last in the dissolve, (2,1) of each block, still show.
    const StarSeen late = star_in(f.frames[190].screen);
    EXPECT_EQ(late.left * 1000 + late.top, 105381);
    EXPECT_EQ(late.pixels, 11);
    // The last frame stays: the sky again, the star gone below the picture.
    EXPECT_EQ(f.frames[200].screen.pixels, Plane(512, 384, kSky).pixels);
    EXPECT_EQ(f.form.picmain[1].pixels, Plane(512, 384, kSky).pixels);
    EXPECT_EQ(f.notes, Notes{"stardust"});
}

TEST(Stardust, ASlowMachineJumpsFurtherOnTheSameLine) {
    Sky f;
    f.platform.on_refresh = [&] {  // every frame takes 37 ms to draw
        f.frames.push_back({f.platform.now_ms(), f.form.picmain[0]});
        f.platform.advance(37);
    };
    f.form.stardust();
    EXPECT_EQ(f.frames.size(), 15u);
    int last_left = 295;  // the first frame still draws position 1, the second position 0
    for (std::size_t i = 1; i + 1 < f.frames.size(); ++i) {
        const StarSeen seen = star_in(f.frames[i].screen);
        if (seen.pixels == 0) continue;  // thinned to nothing inside the cut box
        EXPECT_TRUE(seen.agree);
        EXPECT_EQ(seen.left + seen.top, 486) << "frame " << i;
        EXPECT_LT(seen.left, last_left);
        last_left = seen.left;
    }
}

}  // namespace
}  // namespace hazama
