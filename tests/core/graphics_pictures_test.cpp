// Pictures into planes, composing figures, portraits, the mirror and the falling star.
#include <gtest/gtest.h>

#include "graphics/raster.h"
#include "graphics_fixture.h"

namespace hazama {
namespace {

using testing::Box;
using testing::box_of;
using testing::GraphicsFixture;
using testing::numbered;

TEST(Pictures, LoadingFindsTheFileByItsNameInAnyCase) {
    GraphicsFixture f;
    f.add("gra/h04_sumi.jpg", numbered(512, 384, 1));
    f.add("gra/I15_See2.JPG", numbered(1280, 960, 2));
    f.form.picture(1, "h04_sumi.jpg");
    EXPECT_EQ(f.form.picmain[1].pixels, numbered(512, 384, 1).pixels);
    // The panorama plane takes the picture's size; the name's case does not matter.
    f.form.picture(5, "i15_see2.jpg");
    EXPECT_EQ(f.form.picmain[5].width, 1280);
    EXPECT_EQ(f.form.picmain[5].height, 960);
    EXPECT_EQ(f.form.picmain[5].at(1279, 959), numbered(1280, 960, 2).at(1279, 959));
    EXPECT_EQ(f.notes, (std::vector<std::string>{"picture 1 gra/h04_sumi.jpg",
                                                 "picture 5 gra/i15_see2.jpg"}));

    // Another size lands top-left in a picture-area plane: a small one on black, a large one
    // cut.
    f.add("gra/i02_kibr.jpg", Plane(60, 43, 0x808080));
    f.form.picture(2, "i02_kibr.jpg");
    EXPECT_EQ(f.form.picmain[2].width, 512);
    EXPECT_EQ((box_of(f.form.picmain[2], 0x808080)), (Box{0, 0, 59, 42}));
    EXPECT_EQ(f.form.picmain[2].at(60, 0), kBlack);
    f.form.picture(1, "i15_see2.jpg");
    EXPECT_EQ(f.form.picmain[1].width, 512);
    EXPECT_EQ(f.form.picmain[1].at(511, 383), numbered(1280, 960, 2).at(511, 383));
}

TEST(Pictures, AMissingPictureIsFatalAndNamesTheFile) {
    GraphicsFixture f;
    for (auto load :
         {+[](MainForm& form) { form.picture(1, "h99_none.jpg"); },
          +[](MainForm& form) { form.face("k09_none"); }, +[](MainForm& form) { form.mask(4); },
          +[](MainForm& form) { form.stardust(); }}) {
        try {
            load(f.form);
            ADD_FAILURE() << "no error";
        } catch (const FatalError& e) {
            const std::string what = e.what();
            EXPECT_TRUE(what.find("h99_none.jpg") != std::string::npos ||
                        what.find("k09_none.jpg") != std::string::npos ||
                        what.find("picmask4.gif") != std::string::npos ||
                        what.find("i09_stas.jpg") != std::string::npos)
                << what;
        }
    }
}

TEST(Pictures, SilhouettesLoadOnceAndMaskZeroIsEmpty) {
    GraphicsFixture f;
    f.add("gra/window/picmask2.gif", Plane(160, 384, kWhite));
    f.form.mask(2);
    f.form.picmain[3].resize(512, 384, 0x123456);
    f.form.mask(2);
    EXPECT_EQ(f.decoded.size(), 1u);
    EXPECT_EQ((box_of(f.form.picmain[3], kWhite)), (Box{0, 0, 159, 383}));
    EXPECT_EQ((box_of(f.form.picmain[3], kBlack)), (Box{160, 0, 511, 383}));
    f.form.mask(0);
    EXPECT_EQ(f.form.picmain[3].pixels, Plane(512, 384, kBlack).pixels);
    EXPECT_EQ(f.notes, (std::vector<std::string>{"mask 2", "mask 2", "mask 0"}));
}

struct Figure : GraphicsFixture {
    static constexpr std::uint32_t kStage = 0x336699;
    static constexpr std::uint32_t kCloth = 0xCC2200;
    Figure(int width = 160) {
        fill_box(form.picmain[1], 0, 0, 512, 384, kStage);
        // The figure on white; its silhouette is a band inside the picture's box.
        Plane figure(width, 384, kWhite), silhouette(width, 384, kBlack);
        fill_box(figure, 10, 0, width - 20, 384, kCloth);
        fill_box(silhouette, 10, 0, width - 20, 384, kWhite);
        put_planes(figure, silhouette);
    }
    void put_planes(const Plane& figure, const Plane& silhouette) {
        form.picmain[2].resize(512, 384, kWhite);
        form.picmain[3].resize(512, 384, kBlack);
        bit_blt(form.picmain[2], 0, 0, figure.width, 384, figure, 0, 0);
        bit_blt(form.picmain[3], 0, 0, silhouette.width, 384, silhouette, 0, 0);
    }
    Box changed() const {
        Plane diff = form.picmain[1];
        for (auto& px : diff.pixels) px = px == kStage ? 0 : 1;
        return box_of(diff, 1);
    }
};

TEST(Pictures, FiguresAreComposedInsideTheirSilhouetteFromTheCentreLessEighty) {
    {
        Figure f;
        f.form.lay(256, 50);
        EXPECT_EQ((box_of(f.form.picmain[1], Figure::kCloth)), (Box{186, 50, 325, 383}));
        EXPECT_EQ(f.changed(), (Box{186, 50, 325, 383}));
        EXPECT_EQ(f.notes, std::vector<std::string>{"lay 256 50"});
    }
    {
        // The 80 is subtracted whatever the width.
        Figure f(196);
        f.form.lays(256, 0, 196, 384);
        EXPECT_EQ((box_of(f.form.picmain[1], Figure::kCloth)), (Box{186, 0, 361, 383}));
        EXPECT_EQ(f.notes, std::vector<std::string>{"lays 256 0 196 384"});
    }
    {
        // A full silhouette shows the whole picture's box, cut at the stage's edges.
        Figure f;
        f.put_planes(Plane(160, 384, Figure::kCloth), Plane(160, 384, kWhite));
        f.form.lay(256, 50);
        EXPECT_EQ(f.changed(), (Box{176, 50, 335, 383}));
        f.form.lay(30, 0);
        f.form.lay(500, -100);
        EXPECT_EQ(f.form.picmain[1].at(109, 383), Figure::kCloth);
        EXPECT_EQ(f.form.picmain[1].at(110, 383), Figure::kStage);
        EXPECT_EQ(f.form.picmain[1].at(419, 0), Figure::kStage);
        EXPECT_EQ(f.form.picmain[1].at(420, 0), Figure::kCloth);
        EXPECT_EQ(f.form.picmain[1].at(511, 283), Figure::kCloth);
        EXPECT_EQ(f.form.picmain[1].at(511, 284), Figure::kStage);
    }
    {
        // Grey edge pixels of a silhouette blend figure and stage bitwise.
        Figure f;
        f.put_planes(Plane(160, 384, 0x0F0F0F), Plane(160, 384, 0x808080));
        f.form.lay(80, 0);
        EXPECT_EQ(f.form.picmain[1].at(0, 0), (Figure::kStage | 0x808080u) & 0x0F0F0Fu);
    }
}

TEST(Pictures, PortraitsShowAndHide) {
    GraphicsFixture f;
    f.add("gra/k03_syo0.jpg", Plane(65, 65, 0x445566));
    f.form.face("k03_syo0");
    EXPECT_TRUE(f.form.visible(Control::picface));
    EXPECT_TRUE(f.platform.is_visible(Control::picface));
    EXPECT_EQ(f.form.portrait.pixels, Plane(65, 65, 0x445566).pixels);
    f.form.face("k03_syo0");
    EXPECT_EQ(f.decoded.size(), 2u);  // loaded again each time
    f.form.face(0);
    f.form.face(0);
    EXPECT_FALSE(f.platform.is_visible(Control::picface));
    EXPECT_EQ(f.notes,
              (std::vector<std::string>{"face k03_syo0", "face k03_syo0", "face 0", "face 0"}));
}

TEST(Pictures, ReverseMirrorsTheStageAndTwiceGivesItBack) {
    GraphicsFixture f;
    const Plane original = numbered(512, 384, 4);
    f.form.picmain[1] = original;
    f.form.reverse();
    EXPECT_EQ(f.form.picmain[1].at(0, 7), original.at(511, 7));
    EXPECT_EQ(f.form.picmain[1].at(300, 383), original.at(211, 383));
    EXPECT_EQ(f.form.picmain[3].pixels, f.form.picmain[1].pixels);
    EXPECT_TRUE(f.frames.empty());
    f.form.reverse();
    EXPECT_EQ(f.form.picmain[1].pixels, original.pixels);
    EXPECT_EQ(f.notes, (std::vector<std::string>{"reverse", "reverse"}));
}

struct Sky : GraphicsFixture {
    static constexpr std::uint32_t kSky = 0x101830;
    Sky() {
        platform.set_now(1000);
        add("gra/i09_stas.jpg", Plane(512, 384, kSky));
        add("gra/o02_star.jpg", numbered(46, 40, 15));  // each pixel names its place
    }
};

// Where the star's box lies on a screen, from the star pixels that show; all of them must
// agree. left stays -1 when no star pixel shows.
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

TEST(Stardust, TheStarLagsOneFrameAndFallsAlongTheDiagonal) {
    Sky f;
    f.form.stardust();
    // One frame per position value, then the closing refresh, over exactly 500 ms.
    ASSERT_EQ(f.frames.size(), 201u);
    EXPECT_EQ(f.platform.now_ms(), 1500u);
    EXPECT_EQ(f.frames[0].at, 1000u);
    EXPECT_EQ(f.frames[1].at, 1003u);
    EXPECT_EQ(f.frames[2].at, 1005u);
    const int want[][2] = {{293, 193}, {294, 192}, {293, 193}, {292, 194}};
    for (int i = 0; i < 4; ++i) {
        const StarSeen seen = star_in(f.frames[i].screen);
        EXPECT_EQ(seen.left, want[i][0]) << "frame " << i;
        EXPECT_EQ(seen.top, want[i][1]) << "frame " << i;
        EXPECT_TRUE(seen.agree);
        EXPECT_EQ(seen.pixels, 46 * 40);  // step 0 shows the whole star
    }

    // 475 ms in: step 15, the box at position 189, three of its rows above the bottom edge;
    // only the pixels that turn last in the dissolve, (2,1) of each block, still show.
    const StarSeen late = star_in(f.frames[190].screen);
    EXPECT_EQ(late.left, 105);
    EXPECT_EQ(late.top, 381);
    EXPECT_EQ(late.pixels, 11);
    // The last frame stays: the sky again, the star gone below the picture.
    EXPECT_EQ(f.frames.back().screen.pixels, f.frames[199].screen.pixels);
    EXPECT_EQ(f.frames.back().screen.pixels, Plane(512, 384, Sky::kSky).pixels);
    EXPECT_EQ(f.form.picmain[1].pixels, Plane(512, 384, Sky::kSky).pixels);
    EXPECT_EQ(f.notes, std::vector<std::string>{"stardust"});
}

TEST(Stardust, ASlowMachineJumpsFurtherOnTheSameLine) {
    Sky f;
    f.platform.on_refresh = [&] {
        f.frames.push_back({f.platform.now_ms(), f.form.picmain[0]});
        f.platform.advance(37);
    };
    f.form.stardust();
    EXPECT_EQ(f.frames.size(), 15u);  // 14 frames, one every 37 ms, and the closing refresh
    int last_left = 295;  // the first frame still draws position 1, the second position 0
    for (std::size_t i = 0; i + 1 < f.frames.size(); ++i) {
        const StarSeen seen = star_in(f.frames[i].screen);
        if (seen.pixels == 0) continue;  // thinned to nothing inside the cut box
        EXPECT_TRUE(seen.agree);
        EXPECT_EQ(seen.left + seen.top, 486) << "frame " << i;
        if (i == 0) continue;
        EXPECT_LT(seen.left, last_left);
        last_left = seen.left;
    }
    EXPECT_GE(f.platform.now_ms(), 1500u);
}

}  // namespace
}  // namespace hazama
