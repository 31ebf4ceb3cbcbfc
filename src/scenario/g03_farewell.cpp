// Location 3, the last time: his voice behind her, his parting words, and then he is gone.
#include "form/main_form.h"

namespace hazama {

void MainForm::last_farewell() {
    message("そのとき、後ろから声がした。");
    music("mind+mif");
    message("「人は、変わらなきゃいけないときがある。」");
    message("「はっきりさせなきゃいけないときがある。」");
    message("「自分の夢のこと。」");
    message("「自分の、これからのこと。」");
    message("私は、ゆっくりと振り返った。");
    picture(1, "i15_x.jpg");
    fade(100, 0);
    message("彼が、そこにいた。");
    message("手を伸ばせば届きそうなところに。");
    message(
        "いつもと同じ、穏やかな笑顔で。\r\n"
        "私のことを、まっすぐに見ていた。");
    message("「飛沫。」");
    message("飛沫「どうして……私の名前……。」");
    message(
        "「自分を、しっかり持つんだよ。\r\n"
        "　誰かに決めてもらうんじゃなくて。」");
    message("「迷ったっていい。遠回りしたっていい。」");
    message(
        "「でも最後に決めるのは、飛沫自身だ。\r\n"
        "　マンガのことも、これからのことも。」");
    message(
        "「君なら、大丈夫。\r\n"
        "　……僕は、知ってるから。」");
    message("彼はそう言って、少しだけ寂しそうに笑った。");
    message("「じゃあ、僕はもう行くよ。……さよなら。」");
    fade(100, 1);
    music(0);
    message("その瞬間、強い風が吹き抜けた。");
    message("私は思わず、目を閉じた。");

    // The same picture with the place where he stood painted over.
    picture(1, "i15_x.jpg");
    picture(2, "o03_xx.jpg");
    copy(1, 0, 0, 260, 384, 2, 0, 0);
    fade(100, 0);
    message(
        "目を開けたときには、\r\n"
        "もう彼の姿はどこにもなかった。");
    message("足音も、影も、何ひとつ残さずに。");
    message("まるで、初めから誰もいなかったみたいに。");
    picture(1, "i09_star.jpg");
    fade(1000, 0);
    message("見上げた空には、満月が白く冴えていた。");
    message(
        "私は流れ星を探しかけて、やめた。\r\n"
        "願いは、星に頼むものじゃない気がした。");
    game = 48;
    // Back on the road, with nothing left to happen here.
    g03();
}

}  // namespace hazama
