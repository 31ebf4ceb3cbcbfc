// Location 5, Tuesday: the day before the test, and that house again.
#include "form/main_form.h"

namespace hazama {

void MainForm::day_before_the_test() {
    face("k01_sib2");
    message("飛沫「眠い。一時間目から、もう無理。」");

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
        "四時間目のチャイムで、やっと顔を上げた。\r\n"
        "ノートに写した板書は、三行だけ。");

    picture(1, "h05_gako.jpg");
    hasumi_in_class();
    fade(1000, 0);
    message("蓮美「明日のテスト、どう？　勉強した？」");
    face("k01_sib2");
    message("飛沫「ぜーんぜん。蓮美は？」");
    face(0);
    message("蓮美「あたしもそんなに。範囲の半分くらい？」");
    face("k01_sib2");
    message("飛沫「うわ、まずい。私だけ置いてかれてる。」");
    message("飛沫「ずるーい。」");
    face("k01_sib0");
    message(
        "飛沫「ねえ、昨日のあの家。やっぱり、人いるよ。\r\n"
        "　　　だって私、中で――」");
    message("飛沫「ま、窓に。窓に人影、見たもん。」");
    face(0);
    message("蓮美「中で？　ていうか、隣の家の人でしょ、それ。」");

    music("s-Cha");
    fade(1000, 1);
    set_timer1_interval(0);
    pause_ms(5000);
    message("そして、放課後。");
    picture(1, "h05_gako.jpg");
    fade(1000, 0);
    music("mind2");
    set_timer1_interval(10);
    game = 12;
}

}  // namespace hazama
