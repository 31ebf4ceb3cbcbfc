// Location 8: Further inside the boy's house.
#include "form/main_form.h"

namespace hazama {

void MainForm::g08() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
