// Location 13: The moonlit night road home, walked once, the night the house stood empty.
#include "form/main_form.h"

namespace hazama {

// The same scene whatever the command; it ends at the house front, whose arrival gives the
// buttons back, so there is no com of its own.
void MainForm::g13() {
    music("mind+mie");
    picture(1, "i14_sita.jpg");
    fade(1000, 0);
    message("飛沫「もう、あの人には会えないのかな……。」");
    message("口に出したら、涙が止まらなくなった。");

    picture(1, "i15_see1.jpg");
    fade(1000, 0);
    message("見上げると、まんまるの月が出ていた。");
    message(
        "月なのに、まぶしかった。\r\n"
        "昼間の太陽より、ずっと強い光に思えた。");
    message("その光の中で、いやな考えが浮かんだ。");
    message(
        "あの人は、最初からいなかったんじゃないか。\r\n"
        "私が勝手に、見たい夢を見てただけなんじゃないか。");
    message("……ばかみたい。そんなわけ、ない。");
    message(
        "私のうさぎは、今もうちの棚にある。\r\n"
        "彫り方を教えてくれたのは、あの人だ。");
    message(
        "あの人のそばにいると、自分のことがよく見えた。\r\n"
        "何がしたいのかも、やっと分かった。");
    message("月の光の中で、自分の手のほうが幻みたいに白かった。");
    message("でも、これだけは、はっきり分かる。");
    message("飛沫「私……あの人のこと、ちゃんと好きなんだ。」");

    picture(1, "i14_sita.jpg");
    fade(1000, 0);
    message(
        "月明かりの中を、ゆっくり歩いて帰った。\r\n"
        "考えることは、いくらでもあった。");
    message(
        "この月は、明日も来年も、私がどこにいても出る。\r\n"
        "あの人が、いてもいなくても。");
    message(
        "そんなの当たり前なのに、胸の奥がしんとした。\r\n"
        "当たり前のことが、今夜はひとつずつ大事だった。");

    position = 1;
    g01();
    game = 45;
}

}  // namespace hazama
