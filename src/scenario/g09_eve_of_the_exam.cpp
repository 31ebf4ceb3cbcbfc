// Location 9, the day before the exam, and the days after it: her best dragon, the exam,
// the finished manga, the results; the next morning she sets out for his house again.
#include "form/main_form.h"

namespace hazama {

void MainForm::eve_of_the_exam() {
    message(
        "少年「明日、試験なんだよね。\r\n"
        "　　　今日くらいは、家で仕上げをしたら。」");
    face("k01_sib0");
    message(
        "飛沫「分かってるよ。でも、一日一回は\r\n"
        "　　　ここに来ないと、落ち着かないんだもん。」");
    face(0);

    message("少年「手、見せて。」");
    message("少年「ペンだこより、刃のたこのほうが大きい。」");
    message("少年「マンガ、あと四ページだったよね。」");
    face("k01_sib0");
    message(
        "飛沫「マンガは、受かってから。\r\n"
        "　　　今日は、木の日なの。」");
    face(0);

    message(
        "少年「じゃあ、今日は、\r\n"
        "　　　今まででいちばんのを彫ろう。\r\n"
        "　　　帰るのは、それから。」");
    face("k01_sib3");
    message("飛沫「え、なんで？」");
    face(0);
    message("少年「……さあ。」");
    message("彼はそれだけ言って、新しい木を私の前に置いた。");

    picture(1, "i06_kezu.jpg");
    fade(1000, 0);
    message(
        "日が暮れるまでかかって彫り上げた竜は、\r\n"
        "今までのどれとも、顔つきが違う。");
    message("手の中の竜は、うろこの一枚まで思ったとおり。");

    fade(1000, 1);
    music(0);
    message("入試の日。");

    picture(1, "i13_nyus.jpg");
    fade(1000, 0);
    message("問題用紙をめくる指に、刃のたこが当たる。");

    fade(1000, 1);
    face("k01_sib2");
    message("飛沫「終わっちゃった。」");
    picture(1, "i05_com.jpg");
    face(0);
    fade(1000, 0);
    message(
        "飛沫「気が抜けた。\r\n"
        "　　　何もする気、起きないや。」");

    message("それから何日か、あの単行本ばかり読み返した。");

    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("あの家には、それでも毎日行った。");
    message("彫刻刀を握っても手が動かず、彼の手元ばかり見ていた。");

    picture(1, "i05_com.jpg");
    fade(1000, 0);
    message("飛沫「もう三月だ。いいかげん、しっかりしなきゃ。」");

    music("Up_mode2");
    picture(1, "i07_comk.jpg");
    fade(1000, 0);
    message("その朝、引き出しから、うさぎの話の原稿を出した。");
    message(
        "飛沫「これは、最高傑作になるはずの\r\n"
        "　　　マンガなんだから。」");
    message("飛沫「今度こそ、最後まで描く。」");

    fade(1000, 1);
    message("三月一日の夕方、第一志望の高校から合格通知が届いた。");
    message("母は私より先に泣きだして、何度もおめでとうと言った。");

    picture(1, "i13_comk.jpg");
    fade(1000, 0);
    message("その夜、うさぎと女の子を、後ろ姿で描いてみた。");
    face("k01_sib0");
    message(
        "飛沫「できた！　残りの四ページ、ひと晩で。\r\n"
        "　　　十二月から止まってたのが、うそみたい。」");
    message("飛沫「うん。これが、今の私のいちばんだ。」");
    face(0);

    message(
        "描き上げた原稿を、机の上でとんとそろえた。\r\n"
        "新しい原稿用紙に、ハヤトの話の続きの枠線を引く。");
    message("一コマ目に、目を細めて笑うハヤトを描いた。");
    message("ハヤトの目尻には、一度も消しゴムをかけなかった。");

    fade(1000, 1);
    message("次の日、学校は昼までだった。");

    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    face("k01_sib0");
    message("飛沫「よし。あの家に行こう。」");
    face(0);
    message(
        "あの家には、おとといも昨日も行った。\r\n"
        "出かける前に、鏡の前で前髪を二回直した。");
    message("鞄の中のマンガを、何度も上から押さえた。");
    message(
        "受かったことと、お礼と、このマンガ。\r\n"
        "彫るのをやめることは、最後に言おう。");

    // The story goes on in her room, as if she had just walked in.
    f00 = 0;
    game = 40;
    position = 10;
    g10();
}

}  // namespace hazama
