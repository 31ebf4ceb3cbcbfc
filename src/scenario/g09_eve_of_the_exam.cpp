// Location 9, the day before the exam, and the days after it: her best dragon, the exam,
// the finished manga, the results; the next morning she sets out for his house again.
#include "form/main_form.h"

namespace hazama {

void MainForm::eve_of_the_exam() {
    message(
        "少年「明日が試験なんだろう？\r\n"
        "　　　今日は、家で最後の仕上げをしないと。」");
    face("k01_sib0");
    message(
        "飛沫「分かってる。でも、一日に一回は\r\n"
        "　　　ここに来ないと落ち着かないんだもん。」");
    face(0);

    message("少年「君は、どうして木を彫り続けるの？」");
    message("少年「君には、マンガだってあるだろう？」");
    message("少年「どっちかに決めたほうが、いいと思うな。」");
    face("k01_sib0");
    message(
        "飛沫「だって、どっちも楽しいんだもん。\r\n"
        "　　　しょうがないじゃない。」");
    face(0);

    message(
        "少年「そうか。……だったら、今日は\r\n"
        "　　　今まででいちばんいいものを彫ってごらん。\r\n"
        "　　　手を抜かずに、最後まで。」");
    face("k01_sib3");
    message("飛沫「え、どうして？」");
    face(0);
    message("少年「……。」");
    message("彼は、それ以上何も言わなかった。");

    picture(1, "i06_kezu.jpg");
    fade(1000, 0);
    message(
        "その日に仕上げた竜は、\r\n"
        "今までに彫ったどれよりもよくできていた。");
    message("私は、心の底から満足していた。");

    fade(1000, 1);
    music(0);
    message("そして、入試の日。");

    picture(1, "i13_nyus.jpg");
    fade(1000, 0);
    message("試験は、思っていたよりずっとうまくいった。");

    fade(1000, 1);
    face("k01_sib2");
    message("飛沫「なんだか……。」");
    picture(1, "i05_com.jpg");
    face(0);
    fade(1000, 0);
    message(
        "飛沫「気が抜けちゃった。\r\n"
        "　　　これから、何をしたらいいんだろう。」");

    message("それから二日ほど、私は何もせずに過ごした。");

    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("あの家には、それでも毎日通った。");
    message("でも、彼のそばにいても、何も手につかなかった。");

    picture(1, "i05_com.jpg");
    fade(1000, 0);
    message("飛沫「……そろそろ、しっかりしなきゃ。」");

    music("Up_mode2");
    picture(1, "i07_comk.jpg");
    fade(1000, 0);
    message("私は、描きかけのマンガにもう一度向かった。");
    message(
        "飛沫「これは、私の最高傑作になるはずの\r\n"
        "　　　マンガなんだから。」");
    message("飛沫「ちゃんと、最後まで描かなきゃ。」");

    fade(1000, 1);
    message("数日後、合格発表があった。");
    message("私は、第一志望の高校に合格していた。");

    picture(1, "i13_comk.jpg");
    fade(1000, 0);
    message("その日、マンガも完成した。");
    face("k01_sib0");
    message(
        "飛沫「やった、できた！\r\n"
        "　　　思ってたより、ずっと早く描けちゃった。」");
    message("飛沫「うん。これが、私の最高傑作だ。」");
    face(0);

    message(
        "そのとき、私はやっと分かった。\r\n"
        "……ううん、心を決めた、と言ったほうがいい。");
    message("マンガに、私のすべてを賭けてみようと。");
    message("もう、迷いはなかった。");

    fade(1000, 1);
    message("次の日。");

    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    face("k01_sib0");
    message("飛沫「よし。あの家に、行ってみよう。」");
    face(0);
    message(
        "あの家には、おとといも昨日も行った。\r\n"
        "でも、今日は気分がまるで違った。");
    message("胸の中の霧が、すっかり晴れたみたいだった。");
    message(
        "合格したことを伝えて、お礼を言って、\r\n"
        "それから、あのマンガを読んでもらおうと思った。");

    // The story goes on in her room, as if she had just walked in.
    f00 = 0;
    game = 40;
    position = 10;
    g10();
}

}  // namespace hazama
