// TEMPORARY placeholders until the picture operations land; replaced by the graphics code.
#include "form/main_form.h"

namespace hazama {

void MainForm::picture(int plane, std::string_view file) {
    note("picture " + std::to_string(plane) + " gra/" + std::string(file));
}
void MainForm::mask(int k) {
    note("mask " + std::to_string(k));
}
void MainForm::copy(int dst, int dx, int dy, int w, int h, int src, int sx, int sy) {
    note("copy " + std::to_string(dst) + " " + std::to_string(dx) + " " + std::to_string(dy) + " " +
         std::to_string(w) + " " + std::to_string(h) + " " + std::to_string(src) + " " +
         std::to_string(sx) + " " + std::to_string(sy));
}
void MainForm::fade(int scrolltime, int op) {
    note("fade " + std::to_string(scrolltime) + " " + std::to_string(op));
}
void MainForm::lay(int cha_x, int cha_y) {
    note("lay " + std::to_string(cha_x) + " " + std::to_string(cha_y));
}
void MainForm::lays(int cha_x, int cha_y, int width, int height) {
    note("lays " + std::to_string(cha_x) + " " + std::to_string(cha_y) + " " +
         std::to_string(width) + " " + std::to_string(height));
}
void MainForm::face(std::string_view name) {
    note("face " + std::string(name));
    set_visible(Control::picface, true);
}
void MainForm::face(int zero) {
    note("face " + std::to_string(zero));
    set_visible(Control::picface, false);
}
void MainForm::reverse() {
    note("reverse");
}
void MainForm::stardust() {
    note("stardust");
}

}  // namespace hazama
