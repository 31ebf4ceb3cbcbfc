// Location 13: The moonlit night road home.
#include "form/main_form.h"

namespace hazama {

void MainForm::g13() {
    // The scenes come with the story; until then every command only returns to idle.
    com();
}

}  // namespace hazama
