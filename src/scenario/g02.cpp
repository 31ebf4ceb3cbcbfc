// Location 2: The usual road to school, closed by road works.
#include "form/main_form.h"

namespace hazama {

void MainForm::g02() {
    switch (f00) {
        case 0:
            picture(1, "h03_koji.jpg");
            fade(1000, 0);
            if (game == 1) {
                message(
                    "毎朝通る道に、黄色と黒の柵が並んでいる。\r\n"
                    "道路工事のため通行止め――看板にはそうある。");
                face("k01_sib2");
                message("飛沫「えーっ、何これ。ここ通れないの？」");
                message("飛沫「毎朝これで回り道？　勘弁してよ、もう。」");
                face(0);
                game = 2;
            }
            break;
        case 2:
            message("ここには話す相手がいない。");
            break;
        case 3:
            message("工事の柵が、道をふさいでいる。当分は通れそうにない。");
            break;
    }
    com();
}

}  // namespace hazama
