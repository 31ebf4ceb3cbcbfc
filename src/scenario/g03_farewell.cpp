// Location 3, the last time: his voice behind her, his parting words, and then he is gone.
#include "form/main_form.h"

namespace hazama {

void MainForm::last_farewell() {
    message("そのとき、背中のほうから声がした。");
    music("mind+mif");
    message("「変わったね。」");
    message("「ちゃんと、決めた顔をしてる。」");
    message("「マンガのことも。」");
    message("「これからのことも。」");
    message("振り返るのが、怖かった。それでも、振り返った。");
    picture(1, "i15_x.jpg");
    fade(100, 0);
    message("あの人が、立っていた。");
    message("手を伸ばせば、届くところに。");
    message(
        "いつもの、少し困ったような笑い方で。\r\n"
        "沈みかけた夕日が、あの人の髪を透かしていた。");
    message("「飛沫。」");
    message("飛沫「……名前、教えたこと、なかったのに。」");
    message(
        "「最初の日、窓のところで聞こえたんだ。\r\n"
        "　君の友だちが、大きな声で呼んでたから。」");
    message("「マンガにするって、自分で決めたんだろ。」");
    message(
        "「だったら、もう誰かに決めてもらわなくていい。\r\n"
        "　……僕にも。」");
    message(
        "「迷ったら、手を動かせばいい。\r\n"
        "　ペンを持って、一枚描けばいい。」");
    message("あの人は、少し照れたように目をそらした。");
    message("「じゃあ、もう行くよ。……さよなら、飛沫。」");
    fade(100, 1);
    music(0);
    message("そのとき、強い風が吹いた。");
    message("砂ぼこりに、目をつぶった。");

    // The same picture with the place where he stood painted over.
    picture(1, "i15_x.jpg");
    picture(2, "o03_xx.jpg");
    copy(1, 0, 0, 260, 384, 2, 0, 0);
    fade(100, 0);
    message(
        "目を開けると、\r\n"
        "あの人はもう、どこにもいなかった。");
    message("足音も、影も、残っていなかった。");
    message("電線が、風の名残りに揺れているだけだった。");
    picture(1, "i09_star.jpg");
    fade(1000, 0);
    message("どれくらいそうしていたのか、空はもう暗かった。");
    message(
        "流れ星を探しかけて、やめた。\r\n"
        "今夜は、自分の足で帰ろうと思った。");
    game = 48;
    // Back on the road, with nothing left to happen here.
    g03();
}

}  // namespace hazama
