// Location 10: 飛沫's room.
#include "form/main_form.h"

namespace hazama {

void MainForm::g10() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
