// Location 4, the night of the full moon: a carving from that family's father, and the
// shooting star that sends her out to look for the hut.
#include "form/main_form.h"

namespace hazama {

void MainForm::the_fathers_figurine() {
    message("飛沫の母「ああ、飛沫。蓮美ちゃんから、二回も電話。」");
    message(
        "飛沫の母「それとね、さっき言いそびれたけど、\r\n"
        "　　　　　あんたが生まれた年に、あそこのご主人の\r\n"
        "　　　　　干支の置物を買ったの。押し入れにあったわ。」");
    music("shigure");
    face("k01_sib3");
    message("飛沫「うちに？」");
    picture(1, "i14_inos.jpg");
    fade(1000, 0);
    message("飛沫「これって……。」");
    face(0);
    message(
        "幼稚園に行く前、毎朝、\r\n"
        "このいのししの頭をなでていた。");
    message(
        "ちょこんと彫られた丸い目が、\r\n"
        "あの人のうさぎや竜の目と、そっくりだ。");
    face("k01_sib1");
    message("飛沫「頭のとこだけ、つるつるになってる。」");
    message("飛沫「あの建物も、この人と建てたんだよね。」");
    face("k01_sib3");
    message("飛沫「お母さん、懐中電灯ある？」");
    face(0);
    message("あの屋根の上では、願いごとはひとつも間に合わなかった。");

    stardust();
    picture(1, "h03_syod.jpg");
    mother_at_the_table();
    fade(50, 0);
    face("k01_sib3");
    message("飛沫「今度は、間に合わせる。」");
    face(0);

    // The road of that night run, mirrored: this time she takes it alone.
    picture(1, "i11_lo01.jpg");
    reverse();
    fade(1000, 0);
    message("懐中電灯はいらない。月が明るすぎて、星がまばらだ。");
    picture(1, "i11_lo02.jpg");
    reverse();
    fade(1000, 0);
    pause_ms(300);
    picture(1, "i11_lo03.jpg");
    reverse();
    fade(1000, 0);
    message(
        "あの夜は、手を引かれて走っただけの道。\r\n"
        "坂をいくつ上っても、あの原っぱには出なかった。");

    position = 14;
    g14();
}

}  // namespace hazama
