// Location 9, the evening before the test: few answers about him, and a rabbit of her own.
#include "form/main_form.h"

namespace hazama {

void MainForm::carving_lesson() {
    fade(1000, 0);
    music("mind+mig");
    boy_layered();
    fade(1000, 0);

    message("少年「来ると思った。」");
    face("k01_sib0");
    message("飛沫「うん。なんか、話がしたくなって。」");
    face(0);

    picture(1, "i02_kibr.jpg");
    fade(1000, 0);
    message("彼は昨日と同じように、うさぎを彫っていた。");

    face("k01_sib0");
    message("飛沫「ねえ、いくつなの？」");
    face(0);
    message("少年「十五。中学三年だよ。」");
    face("k01_sib0");
    message("飛沫「じゃあ、同い年だ。学校は行ってるの？」");
    face(0);
    message("少年「行ってない。」");
    face("k01_sib3");
    message("飛沫「どうして？」");
    face(0);
    message("少年「さあ、どうしてだろう。なんで聞くの？」");
    face("k01_sib3");
    message(
        "飛沫「なんでって……その、\r\n"
        "　　　なんか、放っておけないっていうか。」");
    face(0);
    message("少年「どうして、放っておけないの？」");
    face("k01_sib2");
    message("飛沫「……どうしてって、言われても。」");
    face(0);

    message("窓の外を、自転車のベルが通りすぎた。");
    message("理由なんて、考えたこともなかったから。");
    face("k01_sib2");
    message("飛沫「……えっと。」");
    face(0);
    message("少年「いいよ。無理に答えなくて。」");

    face("k01_sib2");
    message(
        "飛沫「……あのね、明日テストなんだ。\r\n"
        "　　　なのに、勉強が全然進まなくて。」");
    face(0);
    message("少年「だったら、早く帰って勉強しないと。」");
    face("k01_sib2");
    message(
        "飛沫「それができたら苦労しないよ。\r\n"
        "　　　机に向かっても、一問も解けないの。」");
    message("飛沫「もう、どうしたらいいのか分かんない。」");
    face(0);

    message("少年「それなら……うさぎ、彫ってみる？」");
    message("少年「僕が教えるから。」");
    face("k01_sib3");
    message("飛沫「え、なんで私が？」");
    face(0);
    message("少年「いいから、やってごらん。」");

    fade(1000, 1);
    message("彼は私に、木の塊と小さな彫刻刀を手渡した。");

    room_with_the_boy();
    fade(1000, 0);
    message("少年「指、切らないように気をつけて。」");
    face("k01_sib0");
    message("飛沫「うん。」");
    face(0);

    picture(1, "i06_kezu.jpg");
    fade(1000, 0);
    message("言われるままに、私は木を削りはじめた。");
    message("刃が、びっくりするくらいすっと入っていった。");
    message("削るたびに、木の中からうさぎが顔を出してきた。");
    message("ひざの上に、木くずが小さな山になっていた。");
    message("うさぎは、もうほとんどできていた。");

    picture(1, "i03_usa.jpg");
    fade(1000, 0);
    face("k03_syo2");
    message("少年「初めてにしては、上出来だよ。」");
    face(0);

    room_with_the_boy();
    fade(1000, 0);
    message("少年「あとは、やすりをかけるだけだね。」");
    message("少年「続きは今度にして、今日はもう帰りなよ。」");
    face("k01_sib0");
    message("飛沫「……うん、そうする。」");
    face(0);

    message(
        "本当は、もう少しここにいたかった。\r\n"
        "でも、帰って勉強しなくちゃ。");
    message(
        "それにしても、初めてなのに\r\n"
        "どうしてあんなにうまく彫れたんだろう。");
    message("帰ったら、母の雷が落ちるに決まっている。");
    message(
        "それでも、指についた木くずを、\r\n"
        "払う気になれなかった。");
    game = 17;
}

}  // namespace hazama
