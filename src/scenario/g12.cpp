// Location 12: On the roof of the wooden building, under the night sky.
#include "form/main_form.h"

namespace hazama {

void MainForm::g12() {
    switch (f00) {
        case 0:
            // Only a load lands here; the roof scene left its own picture on screen.
            if (game == 34) {
                picture(1, "i12_neru.jpg");
                fade(1000, 0);
            } else if (game == 35) {
                picture(1, "i12_suw2.jpg");
                fade(1000, 0);
            }
            break;

        case 2:
            if (game == 35) {
                message("少年「そろそろ、帰ろうか。」");
                message("飛沫「うん。」");
                music("water2");
                fade(1000, 1);
                message("彼に手を引かれて、あの家の前まで戻ってきた。");
                game = 36;
                position = 3;
                // Still a talk: the road plays their goodbye at its door.
                g03();
            } else if (game <= 99) {
                face("k03_syo0");
                message("少年「流れ星、まだ見えない？」");
                face(0);
            }
            break;

        case 3:
            if (game == 34) {
                shooting_stars();
            } else if (game <= 99) {
                picture(1, "i09_stas.jpg");
                fade(1000, 0);
                message("美しい星空……");
                picture(1, "i12_suw2.jpg");
                fade(1000, 0);
            }
            break;
    }
    com();
}

}  // namespace hazama
