// Location 1: In front of 飛沫's house.
#include "form/main_form.h"

namespace hazama {

void MainForm::g01() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
