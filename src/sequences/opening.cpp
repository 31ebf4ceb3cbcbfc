// The opening credits: the night panorama pans down behind four credit pairs that grow
// into place, then fades out to black.
#include <cmath>
#include <cstdint>
#include <string>

#include "form/main_form.h"
#include "form/scoped_value.h"
#include "graphics/dither.h"
#include "graphics/raster.h"
#include "graphics/stage.h"
#include "platform/asset_path.h"
#include "sequences/staff_file.h"

namespace hazama {
namespace {

// Only the panorama's right-hand column is shown.
constexpr int kPanX = 768;

struct Credit {
    const char* role;
    int role_x, role_y;
    int name_x, name_y;
};

constexpr Credit kCredits[4] = {
    {to_translate("原作・プログラム"), 20, 20, 20, 50},
    {to_translate("脚本"), 20, 320, 20, 350},
    {to_translate("キャラクターデザイン"), 320, 20, 400, 50},
    {to_translate("音楽"), 460, 320, 390, 350},
};

constexpr double kRoleSize = 13;
constexpr double kNameSize = 19;

}  // namespace

void MainForm::staffset(int num, std::string_view word, int x, int y) {
    StaffLabel& label = labstaff.at(static_cast<std::size_t>(num));
    label.text = std::string(word);
    label.y = y;
    label.x = x;
    platform().set_staff(num, label);
}

void MainForm::opening() {
    note("opening");
    // Restoring a position neither asks the record nor teaches it anything.
    const bool seen = !reading_.replaying() && reading_.record().contains(kOpeningWatched);
    const ScopedValue running(opening_, seen ? Opening::seen : Opening::first);
    opening_cut_ = false;
    const auto staff = read_staff_items(staff_file());
    load_into(*this, 5, "i15_see2.jpg");
    const Plane& panorama = picmain[5];

    // The old screen gives way to the panning panorama in sixteen dither steps. Every
    // phase draws its first frame at once.
    const AnimationStyle at_once{.drawn = -1};
    // The pan that follows draws the whole screen anew at every frame.
    animate(2000, 100, {.drawn = -1, .covers = true}, [&](const AnimationFrame& f) {
        const int k = static_cast<int>(f.elapsed * 16 / 2000);
        bit_blt(picmain[4], 0, 0, kStageWidth, kStageHeight, panorama, kPanX, f.value);
        dissolve_frame(picmain[0], picmain[4], 0, 0, pictile, k);
    });

    for (int p = 0; p < 4; ++p) {
        const Credit& c = kCredits[p];
        const std::string role = translated(c.role);
        staffset(2 * p, role, c.role_x, c.role_y);
        staffset(2 * p + 1, credit_after(staff, role), c.name_x, c.name_y);
    }

    // The credits grow in pairs, each over 50 frame values, while the pan goes on.
    std::array<bool, 4> shown{};
    auto size_pair = [&](int p, double role, double name) {
        for (int i : {2 * p, 2 * p + 1}) {
            labstaff[i].point_size = i % 2 == 0 ? role : name;
            platform().set_staff(i, labstaff[i]);
        }
    };
    animate(5000, 200, at_once, [&](const AnimationFrame& f) {
        const int v = f.value;
        const int p = v <= 50 ? 0 : (v - 1) / 50;
        if (!shown[p]) {
            for (int i : {2 * p, 2 * p + 1}) {
                labstaff[i].white = true;
                labstaff[i].visible = true;
                labstaff[i].bold = true;
            }
            size_pair(p, 1, 1);
            shown[p] = true;
        }
        const double grown = (v - 50 * p) / 50.0;
        size_pair(p, std::nearbyint(grown * 12 + 1), std::nearbyint(grown * 18 + 1));
        for (int q = 0; q < p; ++q) size_pair(q, kRoleSize, kNameSize);
        bit_blt(picmain[0], 0, 0, kStageWidth, kStageHeight, panorama, kPanX, v + 100);
    });
    size_pair(3, kRoleSize, kNameSize);

    // The pan goes on while ever more pixels turn black.
    animate(5000, 276, {.drawn = -1, .covers = true}, [&](const AnimationFrame& f) {
        const int k = static_cast<int>(f.elapsed * 16 / 5000);
        bit_blt(picmain[4], 0, 0, kStageWidth, kStageHeight, panorama, kPanX, f.value + 300);
        build_mask(picmain[3], pictile, k);
        bit_blt(picmain[4], 0, 0, kStageWidth, kStageHeight, picmain[3], 0, 0, Rop::SRCAND);
        bit_blt(picmain[0], 0, 0, kStageWidth, kStageHeight, picmain[4], 0, 0);
    });

    if (opening_cut_short()) {
        opening_end(panorama);
        note("opening skipped");
    } else if (!reading_.replaying()) {
        reading_.record().mark(kOpeningWatched, platform_.now_ms());
    }
}

void MainForm::skip_opening() {
    if (opening_ != Opening::seen) return;
    opening_cut_ = true;
    platform_.wake();
}

bool MainForm::opening_cut_short() {
    if (opening_ != Opening::seen) return false;
    if (!opening_cut_) opening_cut_ = reading_.ctrl_skips(platform_.now_ms());
    return opening_cut_;
}

void MainForm::opening_end(const Plane& panorama) {
    for (int i = 0; i < 8; ++i) {
        StaffLabel& label = labstaff[static_cast<std::size_t>(i)];
        label.white = true;
        label.visible = true;
        label.bold = true;
        label.point_size = i % 2 == 0 ? kRoleSize : kNameSize;
        platform().set_staff(i, label);
    }
    // The last value of the fade to black: the view at its lowest, one pixel in sixteen.
    bit_blt(picmain[4], 0, 0, kStageWidth, kStageHeight, panorama, kPanX, 275 + 300);
    build_mask(picmain[3], pictile, 15);
    bit_blt(picmain[4], 0, 0, kStageWidth, kStageHeight, picmain[3], 0, 0, Rop::SRCAND);
    bit_blt(picmain[0], 0, 0, kStageWidth, kStageHeight, picmain[4], 0, 0);
    refresh();
}

}  // namespace hazama
