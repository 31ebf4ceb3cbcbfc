// Location 4: Inside 飛沫's house: the dining room.
#include "form/main_form.h"

namespace hazama {

void MainForm::g04() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
