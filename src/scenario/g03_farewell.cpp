// Location 3, the last time: his voice behind her, his parting words, and then he is gone.
#include "form/main_form.h"

namespace hazama {

void MainForm::last_farewell() {
    message("そのとき、背中のほうから声がした。");
    music("mind+mif");
    message("「窓、割ったんだね。」");
    message("「インクの匂いがする。描き上げたんだ。」");
    message("「昨日も、鞄の上から押さえてた。」");
    message("「振り向かなくていいよ。」");
    message("振り返るのが、怖かった。それでも、振り返った。");
    picture(1, "i15_x.jpg");
    fade(100, 0);
    message("おととい会ったばかりの顔を、目でなぞる。");
    message("鞄から原稿を出して、彼のほうへ差し出した。");
    message(
        "目を細めて笑う顔は、最初の日のまま。\r\n"
        "ただ、髪の先が、夕日の色に溶けている。");
    message("「飛沫。」");
    message("飛沫「名前、教えたこと、なかったのに。」");
    message(
        "「最初の日に、聞こえたから。\r\n"
        "　窓の下で、呼ばれてた。」");
    message("「受かったんだね。おめでとう。」");
    message(
        "「それは、読まないでおく。\r\n"
        "　最後のページは、知ってる気がする。」");
    message(
        "「父さんの彫ったのは、みんな誰かの家に行った。\r\n"
        "　君のは、僕がもらっていくよ。」");
    message("ありがとうも言えずに、差し出した原稿を胸に戻した。");
    message("「じゃあ、もう行くよ。」");
    fade(100, 1);
    music(0);
    message("急に風が来て、原稿の一枚が、指の下でめくれた。");
    message("飛ばされないように押さえて、目をつぶった。");

    // The same picture with the place where he stood painted over.
    picture(1, "i15_x.jpg");
    picture(2, "o03_xx.jpg");
    copy(1, 0, 0, 260, 384, 2, 0, 0);
    fade(100, 0);
    message(
        "まぶたの裏が、ふっと赤く明るくなった。\r\n"
        "頬に、夕日のぬくみがまともに当たる。");
    message("道には、影もない。足音もしない。");
    message("電線だけが、揺れている。");
    picture(1, "i09_star.jpg");
    fade(1000, 0);
    message("どこかの店のシャッターが下りる音で、顔を上げた。");
    message(
        "流れ星を探しかけて、やめた。\r\n"
        "原稿を抱えて、たばこ屋の角を曲がった。");
    game = 48;
    // Back on the road, with nothing left to happen here.
    g03();
}

}  // namespace hazama
