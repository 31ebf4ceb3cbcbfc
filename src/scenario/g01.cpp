// Location 1: In front of 飛沫's house.
#include "form/main_form.h"

namespace hazama {

void MainForm::g01() {
    switch (f00) {
        case 0:
            if (light == 0) picture(1, "h03_ie.jpg");
            if (light == 1) picture(1, "h03_ied.jpg");
            fade(1000, 0);
            if (game == 17) {
                message("家の窓が明るい。台所で、母が待っている。");
                game = 18;
            }
            break;
        case 2:
            message("ここには話す相手がいない。");
            break;
        case 3:
            message("私の家の前だ。毎朝ここを出て、ここへ帰ってくる。");
            break;
    }
    com();
}

}  // namespace hazama
