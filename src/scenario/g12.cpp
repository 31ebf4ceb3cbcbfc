// Location 12: On the hut's roof under the night sky.
#include "form/main_form.h"

namespace hazama {

void MainForm::g12() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
