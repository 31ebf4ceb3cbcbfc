// Location 12, the night on the roof: a shooting star too quick to wish on, an hour of
// watching, and the two of them side by side under the sky.
#include "form/main_form.h"

namespace hazama {

void MainForm::shooting_stars() {
    music(0);
    picture(1, "i09_stas.jpg");
    fade(1000, 0);

    // The star drawn into the sky where the dust will trail from.
    picture(2, "o02_star.jpg");
    copy(1, 294, 192, 46, 40, 2, 0, 0);
    fade(200, 0);
    face("k01_sib3");
    message("飛沫「あっ！」");
    stardust();

    picture(1, "i09_stas.jpg");
    fade(50, 0);
    message(
        "飛沫「ああっ、消えちゃった！\r\n"
        "　　　お願いするの、すっかり忘れてた。」");
    face("k03_syo0");
    message("少年「流れ星って、そういうものだよ。」");
    face(0);

    picture(1, "i12_neru.jpg");
    fade(1000, 0);
    message(
        "飛沫「あんなに一瞬じゃ、いくつ流れたって\r\n"
        "　　　お願いなんてできっこないよ。」");
    face("k03_syo0");
    message(
        "少年「それでも、ほんの一瞬でいいから\r\n"
        "　　　心の中で願ってみて。」");
    face(0);

    message(
        "それから一時間くらい、ずっと星を眺めていた。\r\n"
        "そのあいだに、流れ星はふたつ、みっつと流れた。");
    message(
        "でも、願いごとはやっぱり間に合わない。\r\n"
        "背中が冷えきって、私は体を起こした。");

    picture(1, "i12_suwa.jpg");
    fade(1000, 0);
    face("k03_syo0");
    message(
        "少年「竜が、彫り上がったよ。\r\n"
        "　　　たまには、僕も星を見ようかな。」");
    face(0);
    message("彼ははしごを登ってきて、私の隣に腰を下ろした。");

    picture(1, "i12_suw2.jpg");
    fade(1000, 0);
    message(
        "並んで座ったまま、私はそっと横を向いた。\r\n"
        "肩が触れそうなところに、横顔がある。");
    message("何も言わずに、じっと星を見つめている。");

    music("verdure");
    picture(1, "i09_stas.jpg");
    fade(1000, 0);
    message(
        "寒いね、と言うかわりに、\r\n"
        "私は彼の肩に腕を回した。");
    message("ひと呼吸遅れて、冷たい腕が私の背中を包む。");
    message("向き直ると、すぐそこに彼の目がある。");
    message("私のほうから、キスをした。");
    message("唇まで、つないだ手と同じに冷たい。");
    message(
        "唇が離れて、目を開けると、\r\n"
        "さっきと同じ星が、同じところにある。");
    message(
        "私はひざを抱えて、\r\n"
        "彼のいないほうの空ばかり見ている。");
    face("k01_sib6");
    message("飛沫「……竜、できたんだね。」");

    picture(1, "i12_suw2.jpg");
    fade(1000, 0);
    // Her blush stays until the command's end takes the portrait away.
    game = 35;
}

}  // namespace hazama
