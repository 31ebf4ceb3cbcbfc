// Location 11: The wooden building the boy built to watch the stars.
#include "form/main_form.h"

namespace hazama {

void MainForm::g11() {
    switch (f00) {
        case 0:
            picture(1, "h06_koya.jpg");
            picture(2, "c04_syon.jpg");
            mask(4);
            lay(256, 50);
            fade(1000, 0);
            break;

        case 2:
            if (game == 32) {
                the_telescope();
            } else if (game == 33) {
                up_on_the_roof();
            }
            break;

        case 3:
            message("建物は木でできていて、周りは広々としている");
            break;
    }
    com();
}

}  // namespace hazama
