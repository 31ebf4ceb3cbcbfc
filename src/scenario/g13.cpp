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
    message("そう思ったとたん、涙があふれて止まらなくなった。");

    picture(1, "i15_see1.jpg");
    fade(1000, 0);
    message("ふと見上げると、空には満月が浮かんでいた。");
    message(
        "青白い光が、静かに私を照らしている。\r\n"
        "なぜだか、昼間の太陽よりも強く感じられた。");
    message("その光の中で、ひとつの考えが浮かんだ。");
    message(
        "もしかしたら、あの人は幻だったんじゃないか。\r\n"
        "都合のいい夢を、見ていただけなんじゃないか。");
    message("……ばかみたい。私はその考えを振り払った。");
    message(
        "あの人は、ちゃんといた。\r\n"
        "あの手のあたたかさを、私は覚えている。");
    message(
        "あの人がいたから、私は自分のことが見えた。\r\n"
        "自分が本当は何をしたいのか、やっと分かった。");
    message("青い光の中に立つ私のほうが、よほど幻みたいだった。");
    message("それでも、ひとつだけ確かなことがある。");
    message("飛沫「私……あの人のことが、本当に好きなんだ。」");

    picture(1, "i14_sita.jpg");
    fade(1000, 0);
    message(
        "月明かりの中を歩きながら、\r\n"
        "私はいろんなことを考えた。");
    message(
        "この冷たい光は、これから先もずっと\r\n"
        "私の行く道を照らし続けるんだろう。");
    message(
        "それは不思議で、でも当たり前のことで。\r\n"
        "そして、とても大切なことのように思えた。");

    position = 1;
    g01();
    game = 45;
}

}  // namespace hazama
