// Location 14: Where the hut stood.
#include "form/main_form.h"

namespace hazama {

void MainForm::g14() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
