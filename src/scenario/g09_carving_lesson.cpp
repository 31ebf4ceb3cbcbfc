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
    message("飛沫「うさぎ、どうなったかと思って。」");
    face(0);

    picture(1, "i02_kibr.jpg");
    fade(1000, 0);
    message("うさぎは、昨日より背中の丸みがはっきりしている。");

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
    message("少年「さあ。なんで聞くの？」");
    face("k01_sib3");
    message(
        "飛沫「なんでって。\r\n"
        "　　　なんか、放っておけないっていうか。」");
    face(0);
    message("少年「放っておけない？」");
    face("k01_sib2");
    message("飛沫「そこ、聞き返さないでよ。」");
    face(0);

    message("窓の外を、自転車のベルが通りすぎた。");
    message("言われてみれば、理由なんてない。");
    face("k01_sib2");
    message("飛沫「えっと。」");
    face(0);
    message("少年「いいよ。無理に答えなくて。」");

    face("k01_sib2");
    message(
        "飛沫「あのね、明日テストなの。\r\n"
        "　　　なのに問題集、ほとんど進んでなくて。」");
    face(0);
    message("少年「帰って勉強しないと。」");
    face("k01_sib2");
    message(
        "飛沫「それができたら苦労しないって。\r\n"
        "　　　机に向かうと、気づけば別のことしてるの。」");
    message("飛沫「今だって、その木切れに顔を描きたくなってる。」");
    face(0);

    message("少年「それなら、うさぎ、彫ってみる？」");
    message("少年「刃の持ち方だけ、教えるから。」");
    face("k01_sib3");
    message("飛沫「え、なんで私が？」");
    face(0);
    message("少年「いいから、持ってみて。」");

    fade(1000, 1);
    message("別の木の塊を渡された。思ったより重い。");

    room_with_the_boy();
    fade(1000, 0);
    message("少年「刃の前に、指を置かないで。」");
    face("k01_sib0");
    message("飛沫「うん。」");
    face(0);

    picture(1, "i06_kezu.jpg");
    fade(1000, 0);
    message("親指で刃の背を押して、最初のひと削りを入れた。");
    message("刃が、拍子抜けするくらいすっと入る。");
    message("削るたびに、木の中から耳が、背中が出てくる。");
    message("ひざの上で、木くずが小さな山になっていく。");
    message("消しゴムを持たずに、ペン入れをしているみたい。");

    picture(1, "i03_usa.jpg");
    fade(1000, 0);
    face("k03_syo2");
    message("少年「初めてにしては、上出来だよ。」");
    face(0);

    room_with_the_boy();
    fade(1000, 0);
    message("少年「あとは、やすりをかけるだけだね。」");
    message("少年「続きは今度。今日は、もう帰りなよ。」");
    face("k01_sib0");
    message("飛沫「うん。そうする。」");
    face(0);

    message(
        "本当は、まだここにいたかった。\r\n"
        "でも、明日はテストだ。");
    message(
        "ポケットの中で、手がまだ\r\n"
        "刃を握る形に丸まっている。");
    message("帰ったら、母の雷が落ちるに決まっている。");
    message(
        "それでも、指についた木くずを、\r\n"
        "払う気になれなかった。");
    game = 17;
}

}  // namespace hazama
