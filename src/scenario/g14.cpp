// Location 14: Where the hut stood.
#include "form/main_form.h"

namespace hazama {

void MainForm::g14() {
    switch (f00) {
        case 0:
            picture(1, "i11_lo03.jpg");
            reverse();
            fade(1000, 0);
            // Reached only from home with 45, but whatever brought her here, this is 46.
            game = 46;
            break;
        case 2:
            message("ここには話す相手がいない。");
            break;
        case 3:
            message("あの大きな建物は、どこにあったんだろう。");
            message("坂も角も、思い出そうとするほど、ぼやけていく。");
            break;
    }
    com();
}

}  // namespace hazama
