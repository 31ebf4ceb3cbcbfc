// Location 10: 飛沫's room, where the home side of the story plays out by night.
#include "form/main_form.h"

namespace hazama {

void MainForm::g10() {
    switch (f00) {
        case 0:
            if (game <= 10) {
                first_evening_at_the_desk();
            } else if (game == 13) {
                manga_instead_of_study();
            } else if (game == 22) {
                last_manga_begun();
            } else if (game == 26) {
                december_and_january();
            } else if (game == 30) {
                february_comes();
            } else if (game == 37) {
                after_the_roof();
            } else if (game == 42) {
                picture(1, "h03_sibu.jpg");
                fade(1000, 0);
                face("k01_sib3");
                message(
                    "飛沫「あ、お母さん、帰ってきた。\r\n"
                    "　　　あの家のこと、聞かなきゃ。」");
                face(0);
                game = 43;
            } else if (game <= 99) {
                picture(1, "h03_sibu.jpg");
                fade(1000, 0);
            }
            break;

        case 2:
            message("ここには話す相手がいない。");
            break;

        case 3:
            message("私の部屋。");
            break;
    }
    com();
}

}  // namespace hazama
