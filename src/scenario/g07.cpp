// Location 7: Inside the boy's house.
#include "form/main_form.h"

namespace hazama {

void MainForm::g07() {
    switch (f00) {
        case 0:
            if (light == 0) {
                picture(1, "h04_s-rk.jpg");
                if (game < 23) music("balance");
            }
            if (light == 1) picture(1, "h04_srkd.jpg");
            fade(1000, 0);
            break;
        case 2:
            message("ここには話す相手がいない。");
            break;
        case 3:
            if (game <= 7) {
                message("廊下の板が、すり減って光っている。そっと歩く。");
            } else if (game <= 99) {
                message("奥から、木を削るような音がかすかに聞こえる。");
            }
            break;
    }
    com();
}

}  // namespace hazama
