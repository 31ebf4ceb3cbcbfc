// Location 15: Home at the end: the ending.
#include "form/main_form.h"

namespace hazama {

void MainForm::g15() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
