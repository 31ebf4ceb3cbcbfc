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
        "洗剤の泡がついたままの、母の手。\r\n"
        "笑ったつもりだったのに、\r\n"
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
    message("彼が彫刻刀を置いて、こっちに向き直った。");
    message("少年「何があったの？」");
    message("私は話した。机に向かうだけで、息が詰まること。");
    message("落ちたらどうしようって、夜中に目が覚めること。");
    message("そのいらいらを、母にぶつけてしまったこと。");
    message(
        "出てくるとき、玄関の戸を\r\n"
        "思いきり閉めてしまったこと。");
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
    message("少年「その木、持ってるだけだね。」");
    message("少年「顔色も、よくない。」");
    face(0);

    music("sukima");
    room_with_the_boy();
    fade(1000, 0);
    face("k01_sib5");
    message(
        "飛沫「帰っても、どうせ机の前で\r\n"
        "　　　固まってるだけだし。」");
    message("飛沫「ここだと、息ができるの。」");
    message(
        "飛沫「木を削ってると、\r\n"
        "　　　刃の音しか聞こえなくなるの。」");
    face(0);

    message(
        "少年「僕には、君のしんどさは分からない。\r\n"
        "　　　受験も、したことないし。」");
    message(
        "少年「ここで息ができるなら、\r\n"
        "　　　いればいい。\r\n"
        "　　　僕も、そのほうがいい。」");
    music(0);
    face("k01_sib3");
    message(
        "飛沫「ねえ。\r\n"
        "　　　私のこと、どう思ってる？」");
    message("飛沫「私って、何？　友だち？　それとも――」");
    face(0);

    message("何を聞いてるんだろう、私。");
    message("彫りかけの木を、両手で握りしめている。");
    message("彼の手も、ひざの上で止まっている。");
    message("それでも、答えが聞きたい。");

    music("verdure");
    message("少年「好きだよ。君が木を削る音も、君も。」");
    face("k01_sib3");
    message("飛沫「え。」");
    face(0);
    message("握っていた木が、手の中でつるりとすべった。");
    message("彼の目は、私の手の中の木を見ている。");
    message("少年「君にとって、僕は何？」");
    face("k01_sib3");
    message(
        "飛沫「そんなの、決まってるじゃん。\r\n"
        "　　　毎日来てるの、誰のためだと思ってんの。」");
    face(0);

    message("言ってしまってから、座卓の木くずばかり見ていた。");
    face("k01_sib6");
    message("飛沫「今の、聞かなかったことにして。」");
    face(0);
    message("少年「続き、彫ろう。」");

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
