// Location 4, the evening after the rabbit and the morning of the test: a lecture, a night
// at the desk that flies by, and a mother who cannot believe it.
#include "form/main_form.h"

namespace hazama {

void MainForm::lecture_and_a_night_of_study() {
    message("飛沫の母「ごはん、冷めちゃったわよ。勉強もしないで！」");
    face("k01_sib1");
    message("飛沫「友だちの家に、ちょっとだけ。」");
    face(0);
    message("それから、たっぷり一時間はお説教が続いた。");

    // The rest of the night happens upstairs; the player wakes there.
    position = 10;
    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    message("ようやく解放されて、自分の部屋に戻った。");
    message(
        "あれだけ叱られたのに、お説教の中身は\r\n"
        "もう頭のどこにも残っていない。");
    message("部屋の時計の音が、やけにはっきり聞こえる。");

    picture(1, "i04_bnky.jpg");
    fade(1000, 0);
    message("机に向かうと、指先から、まだ木の匂いがする。");
    message(
        "三ページ目で止まっていた問題集が、\r\n"
        "一ページ、また一ページと進んでいく。");
    message(
        "気がつけば、窓の外が白みはじめていた。\r\n"
        "一睡もしていないのに、ちっとも眠くない。");

    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    music("up_mode2");
    light = 0;
    game = 19;
}

void MainForm::the_morning_after() {
    message("飛沫の母「あら、もう起きたの？　ゆうべは勉強したの？」");
    face("k01_sib0");
    message("飛沫「うん。びっくりするくらい、はかどったよ。」");
    face(0);
    message(
        "飛沫の母「はかどったって……まさか、一晩中？\r\n"
        "　　　　　あんた、眠くないの？」");
    face("k01_sib0");
    message("飛沫「全然。むしろ、頭がすっきりしてる。」");
    face(0);
    message("飛沫の母「頑張るのはいいけど、体を壊さないでよ。」");
    message("朝ごはんをおかわりして、三十分早く家を出た。");

    // 20 only once she is out of the door: the house front arrives with 19.
    position = 1;
    g01();
    game = 20;
}

}  // namespace hazama
