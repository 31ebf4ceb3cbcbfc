// Location 9 in February: dragons for sale, then he runs with her through the night to the
// wooden building, where the story goes on.
#include "form/main_form.h"

namespace hazama {

void MainForm::night_run() {
    boy_layered();
    fade(1000, 0);
    music("mind+mig");
    message("座卓の向こうで、彼が顔を上げた。");

    picture(1, "i02_kibr.jpg");
    fade(1000, 0);
    message("西日の入る棚が、彼の彫る竜で埋まりはじめている。");

    face("k01_sib3");
    message("飛沫「そんなにたくさん竜を彫って、どうするの？」");
    face(0);
    message("少年「誰かの家に、置いてもらうんだ。」");
    face("k01_sib3");
    message("飛沫「私の彫ったのも、誰かの家に行けるかな？」");
    face(0);
    message("少年「行けるよ。ていねいに彫ってあれば。」");
    message("少年「君のも、出してみる？」");
    face("k01_sib0");
    message(
        "飛沫「うん。でも、私のは\r\n"
        "　　　手放すの、ちょっと惜しいかな。」");
    face(0);
    message(
        "少年「竜の置物が店に出るのは、十一月ごろ。\r\n"
        "　　　それまで、棚に並べとく。」");
    face("k01_sib0");
    message(
        "飛沫「えーっ、十一月まで？\r\n"
        "　　　そんなに先なんだ。\r\n"
        "　　　うさぎの年なら、今なのにね。」");
    face(0);
    message("少年「君のうさぎなら、欲しい人がいるよ。」");
    face("k01_sib3");
    message("飛沫「だめ。あれは、うちの棚に置いとく。」");
    face(0);

    room_with_the_boy();
    fade(1000, 0);
    face("k01_sib2");
    message("飛沫「それより、ねえ。」");
    message(
        "飛沫「最近、また勉強が進まないの。\r\n"
        "　　　入試まで、あと十日なのに。\r\n"
        "　　　お願い。前みたいに、なんとかして。」");
    face(0);

    message(
        "少年「前みたいにって、あのとき君は、\r\n"
        "　　　うさぎを彫っただけだよ。」");
    face("k01_sib3");
    message(
        "飛沫「でも、あのときは変だったんだよ。\r\n"
        "　　　朝まで、手が止まらなかったの。」");
    message("飛沫「あんなの、初めてだった。」");
    face(0);

    message("少年「僕に、そんな力はないよ。」");
    message("少年「でも。」");
    music("seaside2");
    message("少年「ちょっと、外に出よう。」");
    face("k01_sib3");
    message("飛沫「え、今から？」");
    face(0);
    message("少年「いいから、来て。」");

    fade(1000, 1);
    message("廊下の窓が、もう青い。彼は私の手を取った。");

    light = 1;
    picture(1, "h04_s-de.jpg");
    fade(1000, 0);
    pause_ms(300);
    picture(1, "h04_siee.jpg");
    fade(1000, 0);
    pause_ms(300);
    picture(1, "i09_star.jpg");
    fade(1000, 0);

    message("月のない夜。吐く息だけが白い。");
    face("k01_sib3");
    message("飛沫「どこ行くの？　もう暗いよ。」");
    face("k03_syo2");
    message("少年「ちょっと遠いんだ。」");
    message("少年「走れる？」");
    face(0);

    picture(1, "i10_dash.jpg");
    fade(1000, 0);
    message(
        "返事をする前に、走りだしていた。\r\n"
        "つないだ手が、びっくりするほど冷たい。");
    message("いくつもの坂を上り、いくつもの角を曲がった。");

    picture(1, "i11_lo01.jpg");
    fade(1000, 0);
    pause_ms(300);
    picture(1, "i11_lo02.jpg");
    fade(1000, 0);
    pause_ms(300);
    picture(1, "i11_lo03.jpg");
    fade(1000, 0);
    message("自分がどこにいるのかも、分からない。");

    picture(1, "i10_dash.jpg");
    fade(1000, 0);
    fade(1000, 1);
    face("k03_syo0");
    message("少年「着いたよ。」");
    face(0);

    picture(1, "h06_koya.jpg");
    music("shigure");
    fade(1000, 0);
    message("草の原っぱの先に、大きな黒い影。");
    message("手を当てると、板がざらりとする。古い木の匂い。");

    // The building's own routine shows him before it; `game` stays 32 for its scenes.
    position = 11;
    g11();
}

}  // namespace hazama
