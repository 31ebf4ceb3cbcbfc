// Location 5: The school classroom.
#include "form/main_form.h"

namespace hazama {

void MainForm::g05() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
