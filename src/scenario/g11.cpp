// Location 11: The hut the boy built to watch the stars.
#include "form/main_form.h"

namespace hazama {

void MainForm::g11() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
