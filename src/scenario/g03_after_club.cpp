// Location 3, the evening the rabbit was finished: 蓮美 will not believe anyone lives there.
#include "form/main_form.h"

namespace hazama {

void MainForm::hasumi_after_club() {
    // Dusk, whatever picture the arrival chose.
    picture(1, "h04_siee.jpg");
    fade(1000, 0);
    face("k01_sib3");
    message("飛沫「あ、もう街灯がついてる。」");
    message("飛沫「どうりでお腹が空くわけだ。」");
    music("up_mode2");
    face("k02_has0");
    message("蓮美「また飛沫だ。またこの家の前？」");
    figure_on_road("c02_hasu.jpg", 2);
    fade(1000, 0);
    face("k01_sib3");
    message(
        "飛沫「蓮美！　あのね……やっぱり、言っちゃう。\r\n"
        "　　　私、この家に遊びに来てたの。」");
    message("飛沫「蓮美は？　部活の帰り？」");
    face(0);
    message(
        "蓮美「うん、後輩の練習見てて。\r\n"
        "　　　……待って。遊びに来てたって、ここに？」");
    music("sukima");
    message(
        "蓮美「飛沫、この前からこの家の話ばっかり。\r\n"
        "　　　ここ、ずっと空き家なんだってば。」");
    face("k01_sib0");
    message("飛沫「そんなことないよ。」");
    message("飛沫「さっきまで、ここの人とうさぎ塗ってたもん。」");
    face(0);
    message("蓮美「飛沫、本気で言ってる？」");
    face("k01_sib0");
    message("飛沫「本気だもん。じゃ、私もう帰るね。」");
    face(0);
    message("蓮美「う、うん。その指、なんで白いの？」");
    picture(1, "h04_siee.jpg");
    house_window("o01_kagg.jpg");
    fade(1000, 0);
    game = 26;
}

}  // namespace hazama
