// Location 5, Tuesday: the day before the test, and that house again.
#include "form/main_form.h"

namespace hazama {

void MainForm::day_before_the_test() {
    face("k01_sib2");
    message("飛沫「はあ。勉強、全然進まないや。」");

    // The morning goes by in one ring of the chime.
    music("s-Cha");
    fade(1000, 1);
    set_timer1_interval(0);
    pause_ms(5000);
    face(0);
    message("蓮美「飛沫ー？　おーい、飛沫ってば！」");
    music("up_mode2");
    set_timer1_interval(10);
    message(
        "気がつくと、午前の授業は終わっていた。\r\n"
        "ぼんやりしていた私に、蓮美が声をかけてきた。");

    picture(1, "h05_gako.jpg");
    hasumi_in_class();
    fade(1000, 0);
    message("蓮美「ねえ、明日のテスト。ちゃんと勉強した？」");
    face("k01_sib2");
    message("飛沫「ぜーんぜん。蓮美は？」");
    face(0);
    message("蓮美「あたしもそんなに。でも、少しはね。」");
    face("k01_sib2");
    message("飛沫「うわ、まずい。私だけ置いてかれてる。」");
    message("飛沫「……はあ。」");
    face("k01_sib0");
    message(
        "飛沫「ねえ、一家心中があったっていう、あの家。\r\n"
        "　　　やっぱり誰か住んでるよ、絶対。」");
    message("飛沫「窓のところ、ほんとに人がいたもん。」");
    face(0);
    message("蓮美「えー？　それ、隣の家の人と間違えてない？」");

    music("s-Cha");
    fade(1000, 1);
    set_timer1_interval(0);
    pause_ms(5000);
    message("そして、放課後……。");
    picture(1, "h05_gako.jpg");
    fade(1000, 0);
    music("mind2");
    set_timer1_interval(10);
    game = 12;
}

}  // namespace hazama
