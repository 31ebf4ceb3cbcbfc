// Location 16: No place: nothing leads here and the routine does nothing.
#include "form/main_form.h"

namespace hazama {

void MainForm::g16() {}

}  // namespace hazama
