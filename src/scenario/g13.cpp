// Location 13: The moonlit night road home, walked once, the night the house stood empty.
#include "form/main_form.h"

namespace hazama {

// The same scene whatever the command; it ends at the house front, whose arrival gives the
// buttons back, so there is no com of its own.
void MainForm::g13() {
    music("mind+mie");
    picture(1, "i14_sita.jpg");
    fade(1000, 0);
    message("飛沫「もう会えないの？　まだ何も言ってないのに。」");
    message("袖で拭いた頬が、風ですぐに冷たくなった。");

    picture(1, "i15_see1.jpg");
    fade(1000, 0);
    message("どこかの家で、雨戸を閉める音がした。");
    message(
        "涙で、満月がふたつにもみっつにもにじむ。\r\n"
        "夕焼けは、とっくに終わっていた。");
    message("割れた窓の奥に、明かりはつかない。");
    message(
        "あの人は、最初からいなかったんじゃないか。\r\n"
        "私が勝手に、見たい夢を見てただけなんじゃないか。");
    message("……ばかみたい。そんなわけ、ない。");
    message(
        "私のうさぎは、今もうちの棚にある。\r\n"
        "彫り方を教えてくれたのは、あの人だ。");
    message(
        "ポケットの底には、あの部屋の木くずが、\r\n"
        "ひとつまみ残っている。");
    message("月の光の中で、自分の手のほうが幻みたいに白い。");
    message("その手を握ると、爪の先まで冷たい。");
    message("飛沫「明日も、来るから。」");

    picture(1, "i14_sita.jpg");
    fade(1000, 0);
    message(
        "帰り道、電柱を一本ずつ数えながら歩いた。\r\n"
        "数えていないと、足が止まりそうだった。");
    message(
        "月は、電線よりずっと高くなっていた。\r\n"
        "足元に、影がくっきりと落ちている。");
    message(
        "サンダルのかかとが、ぱたぱた鳴る。\r\n"
        "うちの窓に、まだ明かりがついている。");

    position = 1;
    g01();
    game = 45;
}

}  // namespace hazama
