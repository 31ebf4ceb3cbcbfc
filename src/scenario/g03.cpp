// Location 3: The road in front of the boy's house.
#include "form/main_form.h"

namespace hazama {

void MainForm::figure_on_road(std::string_view file, int k) {
    picture(2, file);
    mask(k);
    lay(256, 64);
}

void MainForm::house_window(std::string_view patch) {
    picture(2, patch);
    copy(1, 369, 186, 60, 43, 2, 0, 0);
}

void MainForm::g03() {
    switch (f00) {
        case 0:
            if (light == 0) picture(1, "h04_s-ie.jpg");
            if (light == 1) {
                picture(1, "h04_siee.jpg");
                // Nobody switches that light on once the door stays shut.
                if (game < 41) house_window("o01_kagg.jpg");
            }
            fade(1000, 0);

            if (game == 2) {
                message("回り道は、たばこ屋の角を曲がった先へ続いている。");
                music("mind");
                figure_on_road("c03_s-bc.jpg", 3);
                fade(3000, 0);
                face("k01_sib3");
                message("飛沫「ん？」");
                message("飛沫「なんだろ、この匂い。木？」");
                face(0);
                message("削りたての鉛筆みたいな匂いが、板壁の奥からする。");
                message("立ち止まったのは、ほんの一分くらいのはずだった。");
                picture(1, "h04_s-ie.jpg");
                fade(3000, 0);
                music("up_mode2");
                face("k01_sib0");
                message("飛沫「うそっ、もう八時二十分！？　遅刻する！」");
                face(0);
                game = 3;
            } else if (game == 4) {
                rumour_of_the_house();
            } else if (game == 8) {
                face("k01_sib2");
                message("飛沫「あ、名前、聞くの忘れた。」");
                message(
                    "飛沫「まあ、いっか。\r\n"
                    "　　　明日も、この道通るんだし。」");
                face(0);
                game = 9;
            } else if (game == 25) {
                hasumi_after_club();
            } else if (game == 41) {
                door_that_will_not_open();
            } else if (game == 47) {
                last_farewell();
            }
            break;

        case 2:
            if (game == 36) {
                picture(1, "h04_siee.jpg");
                figure_on_road("c04_syon.jpg", 4);
                fade(1000, 0);
                face("k01_sib3");
                message("飛沫「連れてってくれて、ありがと。またね。」");
                face(0);
                message("少年「うん。また、明日。」");
                picture(1, "h04_siee.jpg");
                house_window("o01_kagg.jpg");
                fade(1000, 0);
                game = 37;
            } else if (game <= 99) {
                message("ここには話す相手がいない。");
            }
            break;

        case 3:
            if (game <= 7) {
                message("通るたびに、なんとなく気になる家がある。");
            } else if (game >= 44 && game <= 99) {
                message("不思議な少年が住んでいた……はずの家。");
            } else if (game <= 43) {
                message("不思議な少年が住んでいる家。");
            }
            break;
    }
    com();
}

}  // namespace hazama
