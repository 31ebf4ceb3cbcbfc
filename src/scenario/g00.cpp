// Location 0: The prologue: the opening credits, the title pictures and the first morning.
#include "form/main_form.h"

namespace hazama {

void MainForm::g00() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
