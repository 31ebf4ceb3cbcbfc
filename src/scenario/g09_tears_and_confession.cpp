// Location 9, straight from the quarrel at home: tears, his handkerchief, and the truth.
#include "form/main_form.h"

namespace hazama {

void MainForm::tears_and_confession() {
    boy_layered();
    fade(1000, 0);
    music("mind+mif");

    message("彼は、いつもと同じように私を迎えてくれた。");
    face("k01_sib2");
    message("飛沫「…………。」");

    // Her mother's face, as she left her at the table a moment ago.
    picture(1, "h03_syod.jpg");
    picture(2, "c01_haha.jpg");
    mask(1);
    lay(256, 0);
    fade(1000, 0);
    pause_ms(1000);

    room_with_the_boy();
    fade(1000, 0);
    message(
        "さっき、母に何を言ってしまったのか。\r\n"
        "それを思い出したら、急に胸が苦しくなって、\r\n"
        "涙がぽろぽろとこぼれてきた。");
    face("k01_sib5");
    message("飛沫「うっ……ひっく……。」");
    face(0);

    picture(1, "h04_sumi.jpg");
    picture(2, "c05_syoh.jpg");
    mask(5);
    lays(256, 0, 196, 384);
    fade(1000, 0);
    message("彼は何も聞かずに、ハンカチを差し出してくれた。");
    message("それが、ただうれしかった。");

    fade(1000, 1);
    face("k01_sib5");
    message("飛沫「……ありがと。」");
    face(0);
    message("しばらくの間、私たちは黙ったままだった。");
    message("やがて、少しずつ気持ちが落ち着いてきた。");

    room_with_the_boy();
    fade(1000, 0);
    message("そこでやっと、彼が口を開いた。");
    message("少年「何があったの？」");
    message("私は話した。毎日の勉強に、息が詰まりそうなこと。");
    message("受験が、怖くてたまらないこと。");
    message("そのいらいらを、母にぶつけてしまったこと。");
    message(
        "それが情けなくて、恥ずかしくて、\r\n"
        "ここに来るなり泣いてしまったこと。");
    message("少年「そうか。」");
    message(
        "少年「……今日は、もう家に帰ったほうが\r\n"
        "　　　いいんじゃないかな。」");
    face("k01_sib1");
    message("飛沫「…………。」");
    message("飛沫「……。」");
    message("飛沫「もう少しだけ、ここにいさせて。」");
    face(0);

    picture(1, "i06_kezu.jpg");
    fade(1000, 0);
    message("私は黙って、彫りかけの木を手に取った。");
    face("k03_syo1");
    message("少年「やっぱり、今日は帰ったほうがいいよ。」");
    message("少年「顔色がよくない。すごく疲れてるみたいだ。」");
    face(0);

    music("sukima");
    room_with_the_boy();
    fade(1000, 0);
    face("k01_sib5");
    message(
        "飛沫「……私、ただ、あなたと一緒にいたいの。\r\n"
        "　　　それだけなの。」");
    message("飛沫「毎日がつらくて、怖くて、たまらないの。」");
    message(
        "飛沫「でも、ここにいるときだけは、\r\n"
        "　　　ほっとできるんだ。」");
    face(0);

    message(
        "少年「君の心の中までは、僕には分からない。\r\n"
        "　　　分かるなんて、簡単には言えないよ。」");
    message(
        "少年「でも、僕がそばにいるだけで\r\n"
        "　　　君が少しでも楽になるなら……\r\n"
        "　　　僕も、君と一緒にいたい。」");
    music(0);
    face("k01_sib3");
    message(
        "飛沫「ねえ……あなたは、私のこと\r\n"
        "　　　どう思ってるの？」");
    message("飛沫「私って、あなたにとって何？」");
    face(0);

    message("言葉が、勝手に口からこぼれていた。");
    message("止めようとしても、止まらなかった。");
    message("ただ、知りたかった。");
    message("彼が、私のことをどう思っているのかを。");

    music("verdure");
    message("少年「……好きだよ。君のことが。」");
    face("k01_sib3");
    message("飛沫「…………。」");
    face(0);
    message("一瞬、自分の耳を疑った。");
    message("彼は、静かに続けた。");
    message("少年「君にとって、僕は何？」");
    face("k01_sib3");
    message(
        "飛沫「あなたは……私にとって、\r\n"
        "　　　いちばん大事な人だよ。」");
    face(0);

    message("口にしたとたん、顔がかあっと熱くなった。");
    face("k01_sib6");
    message("飛沫「…………。」");
    face(0);
    message("少年「さあ、続きを彫ろうか。」");

    picture(1, "i02_kibr.jpg");
    fade(1000, 0);
    pause_ms(750);
    picture(1, "i06_kezu.jpg");
    fade(1000, 0);
    message(
        "それからしばらく、ふたりで黙って木を彫って、\r\n"
        "私は家に帰った。");

    room_with_the_boy();
    fade(1000, 0);
    music("water2");
    light = 1;
    game = 29;
}

}  // namespace hazama
