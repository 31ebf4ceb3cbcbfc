// The built pictures against the code that uses them: every picture, portrait, silhouette
// and window picture the code names is there, in its format and size; the silhouettes fit
// their figures; the window's pictures sit flush on the frame. The music is checked in
// music_files_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "assets/game_data.h"
#include "graphics/plane.h"
#include "platform/asset_path.h"
#include "platform/qt_picture_decoder.h"

namespace hazama {
namespace {

using namespace game_data;

// Every picture the code loads, as a path below the program folder ("gra/h03_ie.jpg").
std::set<std::string> pictures_named_by_code() {
    std::set<std::string> names;
    const auto story = code_in({"scenario", "sequences", "graphics"});
    // Picture files by name, whichever call they are passed to (picture, load_into, a
    // choice between two names), with or without the leading "\gra\".
    collect(story, std::regex(R"re("(?:\\\\|/)?(?:gra(?:\\\\|/))?([\w+\-]+\.(?:jpg|gif|png))")re"),
            "gra/", "", names);
    // Portraits are named bare: face("k01_sib0") shows gra/k01_sib0.jpg.
    collect(story, std::regex(R"re(\bface\s*\(\s*"([^"]+)")re"), "gra/", ".jpg", names);

    // The window's own pictures, named as "window/NAME" or in a table of file names beside
    // the "gra/window/" folder they are read from.
    const auto app = code_in({"desktop"});
    collect(app, std::regex(R"re("(?:gra/)?window/([\w+\-]+\.(?:jpg|gif|png))")re"), "gra/window/",
            "", names);
    std::vector<std::string> tables;
    for (const std::string& text : app) {
        if (text.find("\"gra/window/\"") != std::string::npos) tables.push_back(text);
    }
    collect(tables, std::regex(R"re(\{\s*"([\w+\-]+\.(?:jpg|gif|png))"\s*,)re"), "gra/window/", "",
            names);

    // The silhouettes are read by number: "gra/window/picmask" + k + ".gif".
    for (int k = 1; k <= 5; ++k) names.insert("gra/window/picmask" + std::to_string(k) + ".gif");
    return names;
}

struct Size {
    int width;
    int height;
};

bool starts_with(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// The size a picture must have, by its kind (the first letters of its name), or nothing
// for a name of no known kind.
std::optional<Size> size_for(const std::string& path) {
    const std::string stem = fs::path(path).stem().string();
    if (starts_with(path, "gra/window/")) {
        if (stem == "frame") return Size{640, 480};
        if (stem == "logo") return Size{106, 52};
        if (stem == "imamou0" || stem == "imamou1" || stem == "icon") return Size{32, 32};
        if (stem == "picmask5") return Size{196, 384};
        if (starts_with(stem, "picmask")) return Size{160, 384};
        if (std::regex_match(stem, std::regex("(move|talk|look)(_down|_off)?"))) {
            return Size{97, 41};
        }
        return std::nullopt;
    }
    if (stem == "i15_see2") return Size{1280, 960};
    if (stem == "c05_syoh") return Size{196, 384};
    if (starts_with(stem, "c0")) return Size{160, 384};
    if (starts_with(stem, "o01_kag")) return Size{60, 43};  // the house's upstairs window
    if (stem == "o02_star") return Size{46, 40};
    if (stem == "o03_xx") return Size{260, 384};  // the left of i15_x, where the boy stood
    if (starts_with(stem, "k")) return Size{65, 65};
    if (starts_with(stem, "h") || starts_with(stem, "i") || starts_with(stem, "title")) {
        return Size{512, 384};
    }
    return std::nullopt;
}

// Whether the file starts as a file of its extension's format must.
bool has_signature(const fs::path& file) {
    const std::string head = read_file(file).substr(0, 8);
    const std::string ext = file.extension().string();
    if (ext == ".jpg") return head.rfind("\xFF\xD8\xFF", 0) == 0;
    if (ext == ".gif") return head.rfind("GIF87a", 0) == 0 || head.rfind("GIF89a", 0) == 0;
    if (ext == ".png") return head == "\x89PNG\r\n\x1A\n";
    return false;
}

Plane decoded(const std::string& game_path) {
    Plane plane;
    std::string error;
    EXPECT_TRUE(decode_picture(find_asset(built(), game_path).string(), plane, error))
        << game_path << ": " << error;
    return plane;
}

int red(std::uint32_t p) {
    return (p >> 16) & 0xFF;
}
int green(std::uint32_t p) {
    return (p >> 8) & 0xFF;
}
int blue(std::uint32_t p) {
    return p & 0xFF;
}
int darkest(std::uint32_t p) {
    return std::min({red(p), green(p), blue(p)});
}
int distance(std::uint32_t a, std::uint32_t b) {
    return std::max(
        {std::abs(red(a) - red(b)), std::abs(green(a) - green(b)), std::abs(blue(a) - blue(b))});
}

TEST(GameData, EveryPictureTheCodeNamesIsThereInItsFormatAndSize) {
    const std::set<std::string> names = pictures_named_by_code();
    // The scan itself must work, or this test would pass on nothing.
    ASSERT_GT(std::count_if(names.begin(), names.end(),
                            [](const std::string& n) { return !starts_with(n, "gra/window/"); }),
              0)
        << "no picture names found in src/";
    ASSERT_TRUE(names.count("gra/window/frame.jpg")) << "no window pictures found in assets/window";

    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const fs::path file = find_asset(built(), name);
        if (!fs::exists(file)) {
            ADD_FAILURE() << "missing: " << file;
            continue;
        }
        EXPECT_TRUE(has_signature(file)) << "not a " << file.extension() << " file";
        const std::optional<Size> size = size_for(name);
        if (!size) {
            ADD_FAILURE() << "no size known for this kind of picture";
            continue;
        }
        const Plane picture = decoded(name);
        EXPECT_EQ(picture.width, size->width);
        EXPECT_EQ(picture.height, size->height);
    }
}

// Every silhouette pixel is exactly white (inside) or exactly black: a grey one would let
// the stage's low bits through the composed figure. Inside a silhouette the figure is drawn
// (not the white it stands on), outside it is white. Pixels next to the outline are left
// out of that comparison, since JPEG rings the figure. A figure may have a few white parts
// of its own (a collar, the whites of the eyes), so inside only a small share may be white.
TEST(GameData, EachSilhouetteMatchesItsFigure) {
    for (int k = 1; k <= 5; ++k) {
        std::vector<fs::path> figures;
        for (const auto& entry : fs::directory_iterator(built() / "gra")) {
            if (starts_with(entry.path().filename().string(),
                            ("c0" + std::to_string(k) + "_").c_str()))
                figures.push_back(entry.path());
        }
        ASSERT_EQ(figures.size(), 1u) << "one figure c0" << k << "_*.jpg";
        const std::string figure_name = "gra/" + figures[0].filename().string();
        SCOPED_TRACE(figure_name);
        const Plane figure = decoded(figure_name);
        const Plane mask = decoded("gra/window/picmask" + std::to_string(k) + ".gif");
        ASSERT_EQ(mask.width, figure.width);
        ASSERT_EQ(mask.height, figure.height);
        const long neither = std::count_if(mask.pixels.begin(), mask.pixels.end(),
                                           [](std::uint32_t p) { return p != 0 && p != 0xFFFFFF; });
        EXPECT_EQ(neither, 0) << "mask pixels neither black nor white";

        // Pixels whose whole 5 x 5 neighbourhood in the mask is white (inside) or black.
        auto uniform = [&](int x, int y, bool white) {
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    const int mx = std::clamp(x + dx, 0, mask.width - 1);
                    const int my = std::clamp(y + dy, 0, mask.height - 1);
                    if (mask.at(mx, my) != (white ? 0xFFFFFFu : 0u)) return false;
                }
            }
            return true;
        };
        long inside = 0, white_inside = 0, outside = 0, drawn_outside = 0;
        for (int y = 0; y < mask.height; ++y) {
            for (int x = 0; x < mask.width; ++x) {
                const bool white_here = darkest(figure.at(x, y)) >= 250;
                if (uniform(x, y, true)) {
                    ++inside;
                    white_inside += white_here;
                } else if (uniform(x, y, false)) {
                    ++outside;
                    drawn_outside += darkest(figure.at(x, y)) < 235;
                }
            }
        }
        EXPECT_GT(inside, 4000) << "the silhouette is nearly empty";
        EXPECT_GT(outside, 4000) << "the silhouette covers nearly everything";
        EXPECT_LT(white_inside * 50, inside)
            << white_inside << " of " << inside << " pixels inside the silhouette are white";
        EXPECT_EQ(drawn_outside, 0) << "pixels of the figure outside the silhouette";
    }
}

// The logo, the indicator frames and the command buttons are drawn on the colour of the
// frame where they sit, so no box shows round them.
TEST(GameData, WindowPicturesSitFlushOnTheFrame) {
    const Plane frame = decoded("gra/window/frame.jpg");
    ASSERT_EQ(frame.width, 640);
    struct Placed {
        const char* name;
        int x, y;
    };
    const Placed placed[] = {
        {"logo.gif", 520, 9},        {"imamou0.gif", 599, 428},  {"imamou1.gif", 599, 428},
        {"move.gif", 529, 257},      {"talk.gif", 529, 305},     {"look.gif", 529, 355},
        {"move_down.gif", 529, 257}, {"look_off.gif", 529, 355},
    };
    for (const Placed& p : placed) {
        SCOPED_TRACE(p.name);
        const Plane art = decoded(std::string("gra/window/") + p.name);
        if (art.empty()) continue;
        // The four corner pixels: the buttons are rounded, the rest flat to the edge.
        for (const auto& [cx, cy] : {std::pair{0, 0},
                                     {art.width - 1, 0},
                                     {0, art.height - 1},
                                     {art.width - 1, art.height - 1}}) {
            EXPECT_LE(distance(art.at(cx, cy), frame.at(p.x + cx, p.y + cy)), 8)
                << "corner " << cx << "," << cy;
        }
    }
}

// White text on the message strip must read well: every pixel behind the message line
// gives white a contrast of at least 7:1.
TEST(GameData, WhiteTextReadsOnTheMessageStrip) {
    const Plane frame = decoded("gra/window/frame.jpg");
    ASSERT_EQ(frame.width, 640);
    auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    double brightest = 0;
    for (int y = 397; y <= 461; ++y) {
        for (int x = 112; x <= 624; ++x) {
            const std::uint32_t p = frame.at(x, y);
            brightest = std::max(brightest, 0.2126 * linear(red(p)) + 0.7152 * linear(green(p)) +
                                                0.0722 * linear(blue(p)));
        }
    }
    EXPECT_GE(1.05 / (brightest + 0.05), 7.0);
}

// The window icon keeps to the 16 colours of the classic icon.
TEST(GameData, TheIconKeepsToSixteenColours) {
    const Plane icon = decoded("gra/window/icon.png");
    const std::set<std::uint32_t> colours(icon.pixels.begin(), icon.pixels.end());
    EXPECT_LE(colours.size(), 16u);
}

}  // namespace
}  // namespace hazama
