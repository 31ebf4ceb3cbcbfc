// Location 3, the last time: his voice behind her, his parting words, and then he is gone.
#include "form/main_form.h"

namespace hazama {

void MainForm::last_farewell() {
    message("そのとき、背中のほうから声がした。");
    music("mind+mif");
    message("「窓、割ったの、君だろ。」");
    message("「インクの匂いがする。」");
    message("「それ、描き上げたんだろ。」");
    message("「昨日も、鞄の上から押さえてたね。」");
    message("振り返るのが、怖かった。それでも、振り返った。");
    picture(1, "i15_x.jpg");
    fade(100, 0);
    message("彼が、立っていた。");
    message("道の向こう、塀の前に。");
    message(
        "いつものように、目を細めて笑っていた。\r\n"
        "沈みかけた夕日が、彼の髪を透かしていた。");
    message("「飛沫。」");
    message("飛沫「……名前、教えたこと、なかったのに。」");
    message(
        "「最初の日、窓のところで聞こえたんだ。\r\n"
        "　君の友だちが、大きな声で呼んでたから。」");
    message("「受かったんだね。おめでとう。」");
    message(
        "「それ、僕は読まないでおくよ。\r\n"
        "　読んだら君、僕の顔ばかり見てるだろ。」");
    message(
        "「父さんも、ひとつ彫り上げたら、\r\n"
        "　次の日にはもう、新しい木を削ってた。」");
    message("ありがとうも言えずに、マンガを胸に抱え直した。");
    message("「じゃあ、もう行くよ。」");
    fade(100, 1);
    music(0);
    message("急に風が来て、マンガのページがばらばらと鳴った。");
    message("飛ばされないように押さえて、目をつぶった。");

    // The same picture with the place where he stood painted over.
    picture(1, "i15_x.jpg");
    picture(2, "o03_xx.jpg");
    copy(1, 0, 0, 260, 384, 2, 0, 0);
    fade(100, 0);
    message(
        "まぶたの裏が、ふっと赤く明るくなった。\r\n"
        "あの人の立っていたところを、夕日が素通りしていた。");
    message("足音も、影も、残っていなかった。");
    message("電線が、風の名残に揺れているだけだった。");
    picture(1, "i09_star.jpg");
    fade(1000, 0);
    message("電線の揺れが止まる頃には、空はもう暗かった。");
    message(
        "流れ星を探しかけて、やめた。\r\n"
        "マンガを抱えて、たばこ屋の角を曲がった。");
    game = 48;
    // Back on the road, with nothing left to happen here.
    g03();
}

}  // namespace hazama
