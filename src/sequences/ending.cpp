// The close of the story: the pan to the night panorama's corner, the zoom out to the whole
// sky, and the staff roll read from gra/staff.txt.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "form/main_form.h"
#include "graphics/raster.h"
#include "graphics/stage.h"
#include "platform/asset_path.h"
#include "sequences/staff_file.h"

namespace hazama {
namespace {

// The staff file fills slots 0..100; anything after that is never shown.
constexpr std::size_t kStaffSlots = 101;

constexpr int kRollLabels = kStaffLabels;  // the roll uses every credit label
constexpr int kRollLeft = 100;
constexpr int kLineSpacing = 40;
constexpr int kRollSpan = 27 * 3000;     // ms
constexpr int kRollDistance = 27 * 100;  // pixels
// A label wraps to the bottom once its top is above this.
constexpr int kRollTopLimit = -30;

}  // namespace

void MainForm::lastscr() {
    note("lastscr");
    // From the view at (300, 400), where the scene left the screen, up and left to the
    // corner. The vertical offset is the one of the previous redraw, so it trails by one.
    animate(5000, 400, {.covers = true}, [&](const AnimationFrame& f) {
        const int b = static_cast<int>(f.elapsed * 300 / 5000);
        bit_blt(picmain[0], 0, 0, kStageWidth, kStageHeight, picmain[5], 300 - b, 400 - f.previous);
    });
    bit_blt(picmain[0], 0, 0, kStageWidth, kStageHeight, picmain[5], 0, 0);
    refresh();
}

void MainForm::lastest() {
    note("lastest");
    // The corner view widens until the whole sky fits, 2.5 : 1; the width trails by one
    // redraw as the height does not.
    animate(10000, 768, {.covers = true}, [&](const AnimationFrame& f) {
        const int h = static_cast<int>(f.elapsed * 576 / 10000);
        stretch_blt(picmain[0], 0, 0, kStageWidth, kStageHeight, picmain[5], 0, 0,
                    f.previous + kStageWidth, h + kStageHeight);
    });
    stretch_blt(picmain[0], 0, 0, kStageWidth, kStageHeight, picmain[5], 0, 0, picmain[5].width,
                picmain[5].height);
    // The next dissolve starts from the whole sky.
    bit_blt(picmain[1], 0, 0, kStageWidth, kStageHeight, picmain[0], 0, 0);
    refresh();
}

void MainForm::ending() {
    note("ending");
    std::vector<std::string> items = read_staff_items(staff_file());
    if (items.size() > kStaffSlots) items.resize(kStaffSlots);
    auto item = [&](int index) {
        return static_cast<std::size_t>(index) < items.size() ? items[index] : std::string();
    };

    for (int j = 0; j < kRollLabels; ++j) {
        StaffLabel& label = labstaff[j];
        label.y = kLineSpacing * j + kStageHeight;  // just below the picture
        label.x = kRollLeft;
        label.point_size = 14;
        label.white = true;
        label.bold = true;
        label.visible = true;
        label.text = item(j);
        platform().set_staff(j, label);
    }

    // Eleven labels carry the whole roll: one that leaves over the top takes the next line
    // of its column and drops eleven lines down. Each redraw places the labels by the
    // scroll of the redraw before it.
    std::array<int, kRollLabels> wraps{};
    animate(kRollSpan, kRollDistance, {.refresh = false}, [&](const AnimationFrame& f) {
        for (int j = 0; j < kRollLabels; ++j) {
            StaffLabel& label = labstaff[j];
            label.y = kLineSpacing * j - f.previous + kStageHeight +
                      kLineSpacing * kRollLabels * wraps[j];
            if (label.y < kRollTopLimit) {
                label.text = item(kRollLabels * (wraps[j] + 1) + j);
                ++wraps[j];
            }
            platform().set_staff(j, label);
        }
    });

    for (int j = 0; j < kRollLabels; ++j) {
        labstaff[j].visible = false;
        platform().set_staff(j, labstaff[j]);
    }
    picture(1, "i17_end.jpg");
    fade(1000, 0);
}

}  // namespace hazama
