// Location 9, straight from the quarrel at home: tears, his handkerchief, and the truth.
#include "form/main_form.h"

namespace hazama {

void MainForm::tears_and_confession() {
    boy_layered();
    fade(1000, 0);
    music("mind+mif");

    message("彼は彫刻刀を持ったまま、こっちを見た。");
    face("k01_sib2");
    message("飛沫「えへへ。また来ちゃった。」");

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
        "台所に置いてきた、母のあの顔。\r\n"
        "思い出したら、声を出すより先に、\r\n"
        "涙がスカートに落ちていた。");
    face("k01_sib5");
    message("飛沫「ご、ごめん。なんか、止まんない。」");
    face(0);

    picture(1, "h04_sumi.jpg");
    picture(2, "c05_syoh.jpg");
    mask(5);
    lays(256, 0, 196, 384);
    fade(1000, 0);
    message("目の前のハンカチには、きちんとアイロンがかかっている。");
    message("何も聞かれないのが、ただうれしかった。");

    fade(1000, 1);
    face("k01_sib5");
    message("飛沫「ありがと。」");
    face(0);
    message("しばらく、彼が木を削る音だけを聞いていた。");
    message("ハンカチが湿った頃、やっと息が落ち着いた。");

    room_with_the_boy();
    fade(1000, 0);
    message("彼が、彫刻刀を置いた。そんなの、初めてだった。");
    message("少年「何があったの？」");
    message("私は話した。毎日の勉強に、息が詰まりそうなこと。");
    message("落ちたらどうしようって、夜中に目が覚めること。");
    message("そのいらいらを、母にぶつけてしまったこと。");
    message(
        "それが情けなくて、恥ずかしくて、\r\n"
        "ここに来るなり泣いてしまったこと。");
    message("少年「そうか。」");
    message(
        "少年「今日は、帰ったほうが\r\n"
        "　　　いいんじゃないかな。」");
    face("k01_sib1");
    message("飛沫「やだ。」");
    message("飛沫「だって、帰ったら、また怒鳴っちゃう。」");
    message("飛沫「もうちょっとだけ、ここにいさせて。」");
    face(0);

    picture(1, "i06_kezu.jpg");
    fade(1000, 0);
    message("私は黙って、彫りかけの木を手に取った。");
    face("k03_syo1");
    message("少年「その木、さっきから一度も削れてない。」");
    message("少年「顔色も、よくない。」");
    face(0);

    music("sukima");
    room_with_the_boy();
    fade(1000, 0);
    face("k01_sib5");
    message(
        "飛沫「私、ただ、ここにいたいの。\r\n"
        "　　　一緒にいたいだけなの。」");
    message("飛沫「毎日がつらくて、怖くて、たまらないの。」");
    message(
        "飛沫「でも、ここにいるときだけは、\r\n"
        "　　　ほっとできるんだ。」");
    face(0);

    message(
        "少年「僕には、君のしんどさは分からない。\r\n"
        "　　　受験も、したことないし。」");
    message(
        "少年「でも、ここにいて楽になるなら、\r\n"
        "　　　いればいいよ。\r\n"
        "　　　僕も、そのほうがいい。」");
    music(0);
    face("k01_sib3");
    message(
        "飛沫「ねえ。私のこと、\r\n"
        "　　　どう思ってる？」");
    message("飛沫「私って、何？　友だち？　それとも――」");
    face(0);

    message("何を聞いてるんだろう、私。");
    message("彫りかけの木を、両手で握りしめている。");
    message("彼の手も、ひざの上で止まっている。");
    message("それでも、答えが聞きたい。");

    music("verdure");
    message("少年「……好きだよ。君のことが。」");
    face("k01_sib3");
    message("飛沫「え。」");
    face(0);
    message("聞き返そうとしたのに、声が出なかった。");
    message("彼の目は、私の手の中の木を見ている。");
    message("少年「君にとって、僕は何？」");
    face("k01_sib3");
    message(
        "飛沫「そんなの、決まってるじゃん。\r\n"
        "　　　毎日来てるの、誰のためだと思ってんの。」");
    face(0);

    message("言ってしまってから、顔を上げられなくなった。");
    face("k01_sib6");
    message("飛沫「今の、聞かなかったことにして。」");
    face(0);
    message("少年「さあ、続きを彫ろうか。」");

    picture(1, "i02_kibr.jpg");
    fade(1000, 0);
    pause_ms(750);
    picture(1, "i06_kezu.jpg");
    fade(1000, 0);
    message(
        "日が傾くまで、ふたりで黙って木を彫った。\r\n"
        "帰らなくちゃ。帰って、母に謝らなくちゃ。");

    room_with_the_boy();
    fade(1000, 0);
    music("water2");
    light = 1;
    game = 29;
}

}  // namespace hazama
