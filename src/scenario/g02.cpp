// Location 2: The usual road to school, closed by road works.
#include "form/main_form.h"

namespace hazama {

void MainForm::g02() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
