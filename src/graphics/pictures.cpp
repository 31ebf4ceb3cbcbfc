// Loading pictures into the planes, the dissolve `fade`, composing figures with `lay` and
// `lays`, the portrait box `face`, and the plain block copies of the location routines.
#include <string>
#include <utility>

#include "form/main_form.h"
#include "graphics/dither.h"
#include "graphics/raster.h"
#include "graphics/stage.h"

namespace hazama {
namespace {

// The width of a figure that lay composes; it is as tall as the stage.
constexpr int kFigureWidth = 160;

// The figure's silhouette turns white on the stage, then the figure (drawn on white) is
// ANDed in: inside the silhouette the figure shows, outside it the stage is unchanged.
// The left edge is the centre less 80 whatever the width, as the game has always placed it.
void compose(MainForm& form, int cha_x, int cha_y, int width, int height) {
    const int left = cha_x - 80;
    bit_blt(form.picmain[1], left, cha_y, width, height, form.picmain[3], 0, 0, Rop::SRCPAINT);
    bit_blt(form.picmain[1], left, cha_y, width, height, form.picmain[2], 0, 0, Rop::SRCAND);
}

std::string numbers(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += " " + std::to_string(v);
    return out;
}

}  // namespace

void put_picture(Plane& plane, const Plane& picture) {
    if (plane.width != kStageWidth || plane.height != kStageHeight) {
        plane.resize(kStageWidth, kStageHeight);
    } else if (picture.width < kStageWidth || picture.height < kStageHeight) {
        fill_box(plane, 0, 0, kStageWidth, kStageHeight, kBlack);
    }
    bit_blt(plane, 0, 0, picture.width, picture.height, picture, 0, 0);
}

void load_into(MainForm& form, int plane, std::string_view file) {
    const std::string path = "gra/" + std::string(file);
    if (plane == 5) {
        form.load_file(path, form.picmain[5]);
        return;
    }
    // One buffer for every picture on its way to a plane: a story loads hundreds, and a
    // replay loads them all in a row.
    static Plane loaded;
    form.load_file(path, loaded);
    Plane& target = form.picmain.at(static_cast<std::size_t>(plane));
    if (loaded.width == kStageWidth && loaded.height == kStageHeight) {
        // A whole picture becomes the plane as it is; the buffer takes the old one, to be
        // written over by the next load.
        std::swap(target, loaded);
    } else {
        put_picture(target, loaded);
    }
}

void MainForm::picture(int plane, std::string_view file) {
    note("picture " + std::to_string(plane) + " gra/" + std::string(file));
    load_into(*this, plane, file);
}

void MainForm::mask(int k) {
    note("mask " + std::to_string(k));
    Plane& silhouette = picmask.at(static_cast<std::size_t>(k));
    if (k != 0 && silhouette.empty()) {
        load_file("gra/window/picmask" + std::to_string(k) + ".gif", silhouette);
    }
    // picmask(0) has no picture: plane 3 is left empty (black, so nothing is composed).
    put_picture(picmain[3], silhouette);
}

void MainForm::copy(int dst, int dx, int dy, int w, int h, int src, int sx, int sy) {
    note("copy" + numbers({dst, dx, dy, w, h, src, sx, sy}));
    bit_blt(picmain.at(static_cast<std::size_t>(dst)), dx, dy, w, h,
            picmain.at(static_cast<std::size_t>(src)), sx, sy);
    ret = 1;  // the block transfer's result: a copy between the game's planes succeeds
}

void MainForm::fade(int scrolltime, int op) {
    note("fade" + numbers({scrolltime, op}));
    const std::uint32_t t0 = clock_now();
    if (op == 1) fill_box(picmain[1], 0, 0, kStageWidth, kStageHeight, kBlack);
    if (op == 2) fill_box(picmain[1], 0, 0, kStageWidth, kStageHeight, kWhite);
    bit_blt(picmain[2], 0, 0, kStageWidth, kStageHeight, picmain[0], 0, 0);
    platform().dissolve_begins(picmain[1]);

    // Step k (0..15) of the 16 follows from the elapsed time; step 0 is never drawn. A frame
    // is drawn when the step changes, so a slow machine skips steps but keeps the duration.
    int last_drawn = 0;
    // Replayed, nobody sees the frame, and the whole picture is copied over it below.
    const bool unseen = reading_.replaying();
    animate(scrolltime, 16, {.start = t0, .covers = true}, [&](const AnimationFrame& f) {
        if (!unseen) dissolve_frame(picmain[0], picmain[1], 0, 0, pictile, f.value);
        last_drawn = f.value;
    });
    bit_blt(picmain[0], 0, 0, kStageWidth, kStageHeight, picmain[1], 0, 0);
    refresh();
    if (last_drawn > 0) {
        // Leave the scratch planes as the transfers of the last frame leave them: plane 3
        // the inverted mask, plane 4 the new picture masked by it. (Done once the whole
        // picture is on screen: nothing shows them.)
        build_mask(picmain[3], pictile, last_drawn);
        bit_blt(picmain[3], 0, 0, kStageWidth, kStageHeight, picmain[3], 0, 0, Rop::NOTSRCCOPY);
        bit_blt(picmain[4], 0, 0, kStageWidth, kStageHeight, picmain[1], 0, 0);
        bit_blt(picmain[4], 0, 0, kStageWidth, kStageHeight, picmain[3], 0, 0, Rop::SRCAND);
    }
}

void MainForm::lay(int cha_x, int cha_y) {
    note("lay" + numbers({cha_x, cha_y}));
    compose(*this, cha_x, cha_y, kFigureWidth, kStageHeight);
}

void MainForm::lays(int cha_x, int cha_y, int width, int height) {
    note("lays" + numbers({cha_x, cha_y, width, height}));
    compose(*this, cha_x, cha_y, width, height);
}

void MainForm::face(std::string_view name) {
    note("face " + std::string(name));
    load_file("gra/" + std::string(name) + ".jpg", portrait);
    platform().set_face(&portrait);
    set_visible(Control::picface, true);
}

void MainForm::face(int zero) {
    if (zero != 0) return face(std::to_string(zero));
    note("face 0");
    set_visible(Control::picface, false);
    platform().set_face(nullptr);
}

}  // namespace hazama
