// TEMPORARY placeholders until the closing pan, the zoom and the staff roll land.
#include "form/main_form.h"

namespace hazama {

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
