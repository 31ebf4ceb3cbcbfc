// TEMPORARY placeholders until the save and load commands land.
#include "form/main_form.h"

namespace hazama {

void MainForm::comsave_Click() {}
void MainForm::comload_Click() {}

}  // namespace hazama
