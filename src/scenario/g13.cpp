// Location 13: The moonlit night road home, walked once, the night the house stood empty.
#include "form/main_form.h"

namespace hazama {

// The same scene whatever the command; it ends at the house front, whose arrival gives the
// buttons back, so there is no com of its own.
void MainForm::g13() {
    music("mind+mie");
    picture(1, "i14_sita.jpg");
    fade(1000, 0);
    message("飛沫「もう会えないの？　おめでとうも、まだなのに。」");
    message("マフラーのふちが濡れて、すぐに冷たくなった。");

    picture(1, "i15_see1.jpg");
    fade(1000, 0);
    message("見上げると、電線の向こうに、まんまるの月があった。");
    message(
        "涙で、月がふたつにもみっつにもにじんだ。\r\n"
        "見ているうちに、夕焼けの色が空から抜けていった。");
    message("あの家からは、物音ひとつしなかった。");
    message(
        "あの人は、最初からいなかったんじゃないか。\r\n"
        "私が勝手に、見たい夢を見てただけなんじゃないか。");
    message("……ばかみたい。そんなわけ、ない。");
    message(
        "私のうさぎは、今もうちの棚にある。\r\n"
        "彫り方を教えてくれたのは、あの人だ。");
    message(
        "あのマンガの最後のページだって、\r\n"
        "あの屋根の上がなかったら、描けなかった。");
    message("月の光の中で、自分の手のほうが幻みたいに白かった。");
    message("その手を握ると、爪の先まで冷たかった。");
    message("飛沫「……好きだよ。今でも、ちゃんと。」");

    picture(1, "i14_sita.jpg");
    fade(1000, 0);
    message(
        "帰り道、電柱をひとつずつ数えながら歩いた。\r\n"
        "数えていないと、足が止まりそうだった。");
    message(
        "月はもう、電線よりずっと高かった。\r\n"
        "足元に、私の影がくっきりと落ちていた。");
    message(
        "影は、ひとり分しかなかった。\r\n"
        "うちの窓に、まだ明かりがついていた。");

    position = 1;
    g01();
    game = 45;
}

}  // namespace hazama
