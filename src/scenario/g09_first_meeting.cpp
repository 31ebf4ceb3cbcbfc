// Location 9, the first time: the boy in the sunlit room, carving a wooden rabbit.
#include "form/main_form.h"

namespace hazama {

void MainForm::first_meeting() {
    fade(1000, 0);
    face("k01_sib3");
    music(0);
    message("飛沫「誰か、いますか？」");
    face(0);

    boy_layered();
    fade(1000, 0);
    message("光の中に立っていた人と、ぴたりと目が合った。");
    face("k01_sib3");
    message("飛沫「わっ！？　ひ、人、いた！」");
    message("飛沫「あ、あなた、誰？」");
    face(0);
    message("少年「それは、僕の台詞だと思うけど。」");
    face("k01_sib1");
    message("飛沫「ご、ごめんなさい！　勝手に入ったりして。」");
    message("飛沫「泥棒とかじゃないの。違うから。」");
    message("飛沫「前を通ったら、いい匂いがして、それで。」");
    message("飛沫「鍵も、開いてたし。」");
    message("飛沫「って、言い訳になってないよね。」");
    face("k01_sib3");
    message("飛沫「とにかく、ごめんなさい。」");
    face(0);

    message("少年「気にしないで。僕ひとりで住んでるから。」");
    face("k01_sib3");
    message("飛沫「ひとりで？」");
    message("飛沫「でも、ここの家族は一家心中したって。」");
    face(0);
    message("少年「ただの噂だよ。僕は、ここに住んでる。」");
    face("k01_sib3");
    message("飛沫「そ、そうだよね。うん。」");
    face(0);

    music("mind+mig");
    message("噂なんて、あてにならない。目の前に、こうして人がいる。");
    message(
        "年は、私と同じくらいだろうか。\r\n"
        "色の白い、静かな顔。\r\n"
        "伸びすぎた前髪が、目にかかっている。");
    message("唇の端だけで、彼は笑っている。");
    message("目が細くなると、急に幼く見えた。");
    message("指先に、木くずがいくつもついている。");
    message(
        "彼は彫りかけの木を手に取って、\r\n"
        "座卓のほうへ戻っていく。");
    message(
        "怖くはない。\r\n"
        "家の前で嗅いだのと同じ、木の匂いがする。");

    picture(1, "i02_kibr.jpg");
    fade(1000, 0);
    message("彼の手の中で、しゃっ、しゃっ、と木が鳴る。");
    face("k01_sib0");
    message("飛沫「ねえ、それ、何作ってるの？」");
    face(0);
    message("少年「何に見える？」");

    picture(1, "i03_usa.jpg");
    fade(1000, 0);
    message("耳の先まで、木目がすうっと通っている。");
    face("k01_sib3");
    message("飛沫「うさぎ？」");
    face("k03_syo0");
    message("少年「うん。来年の干支だよ。」");
    face("k01_sib3");
    message("飛沫「どうして、そんなの作ってるの？」");
    face("k03_syo0");
    message("少年「好きだから。」");
    face("k01_sib0");
    message("飛沫「ふうん。私も、描くのは好き。マンガだけど。」");
    face(0);

    picture(1, "i02_kibr.jpg");
    fade(1000, 0);
    message(
        "少年「中指に、ペンだこがあるね。\r\n"
        "　　　父さんは、干支の置物を彫る職人だった。」");
    message("少年「一年半前に、事故で亡くなったけど。」");
    face("k01_sib2");
    message("飛沫「あ、ごめん。」");
    message("飛沫「私、聞いてばっかりだね。」");
    face(0);
    message("少年「いいよ。聞かれるの、嫌じゃない。」");
    message("少年「今は、父さんの彫刻刀で、真似してる。」");
    face("k01_sib0");
    message("飛沫「じゃあ、将来は木彫りの職人さんになるの？」");
    face(0);
    message("少年「うん。もう、そう決めてる。」");
    face("k01_sib3");
    message("飛沫「すごいな。」");
    face(0);

    light = 1;
    picture(1, "h04_sote.jpg");
    fade(1000, 0);
    message("窓の外に、星がひとつ光っていた。");
    face("k01_sib0");
    message("飛沫「いけない、帰って勉強しなきゃ。」");
    face(0);

    room_with_the_boy();
    fade(1000, 0);
    message("少年「気をつけて帰って。」");
    game = 8;
    music("mind2");
}

}  // namespace hazama
