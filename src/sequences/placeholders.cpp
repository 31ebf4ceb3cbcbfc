// TEMPORARY placeholders until the opening and ending sequences land.
#include "form/main_form.h"

namespace hazama {

void MainForm::opening() {
    note("opening");
}
void MainForm::staffset(int num, std::string_view word, int x, int y) {
    labstaff[num].text = std::string(word);
    labstaff[num].y = y;
    labstaff[num].x = x;
    platform().set_staff(num, labstaff[num]);
}
void MainForm::lastscr() {
    note("lastscr");
}
void MainForm::lastest() {
    note("lastest");
}
void MainForm::ending() {
    note("ending");
}

}  // namespace hazama
