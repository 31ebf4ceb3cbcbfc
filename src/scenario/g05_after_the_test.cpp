// Location 5, Wednesday: the test after her night at the desk.
#include "form/main_form.h"

namespace hazama {

void MainForm::test_went_well() {
    music("s-Cha");
    fade(4000, 1);
    set_timer1_interval(0);
    pause_ms(5000);
    music("up_mode2");
    set_timer1_interval(10);
    message("解答欄が、上から順に、迷わず埋まっていく。");
    face("k01_sib0");
    message(
        "飛沫「あのうさぎの、おかげかな。\r\n"
        "　　　まさかね。」");
    face(0);

    picture(1, "h05_gako.jpg");
    hasumi_in_class();
    fade(1000, 0);
    message(
        "蓮美「飛沫、すごいじゃん！\r\n"
        "　　　答え合わせ、ほとんど丸だったでしょ。\r\n"
        "　　　昨日、全然やってないって言ってたのに。」");
    message("蓮美「まさか、あれ全部一夜漬けってこと？」");
    face("k01_sib0");
    message("飛沫「うん。ちょっと、ほっぺつねってみて。」");
    face(0);
    message("蓮美「えいっ。夢じゃないよ。なんかいいことあった？」");
    face("k01_sib0");
    message("飛沫「別に。朝ごはん、おかわりしただけ。」");
    face(0);
    message(
        "あの人のことを、話そうかと思った。\r\n"
        "でも、まだ私だけの寄り道にしておきたかった。");
    message("蓮美「じゃ、部活顔出すね。土曜は画材屋さん、約束！」");
    face("k01_sib0");
    message("飛沫「うん。土曜ね。」");
    picture(1, "h05_gako.jpg");
    fade(1000, 0);
    face(0);
    music("star2");
    game = 21;
}

}  // namespace hazama
