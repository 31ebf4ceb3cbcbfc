// Location 8: Further inside the boy's house, a room lit from the next room.
#include "form/main_form.h"

namespace hazama {

void MainForm::g08() {
    switch (f00) {
        case 0:
            picture(1, "h04_s-ak.jpg");
            fade(1000, 0);
            if (game == 6) {
                face("k01_sib3");
                message("飛沫「しーんとしてる。外より寒いし。」");
                message("飛沫「あれ？　奥の部屋だけ、やけに明るい。」");
                face(0);
                message(
                    "知らない人の家に、黙って上がり込んでいる。\r\n"
                    "見つかったら、なんて言えばいいんだろう。");
                message("靴下ごしに、床板がひやりと冷たい。");
                game = 7;
            }
            break;
        case 2:
            message("ここには話す相手がいない。");
            break;
        case 3:
            message("奥の部屋から、やわらかな光が漏れている。");
            break;
    }
    com();
}

}  // namespace hazama
