// Location 10, the week she met him: two evenings that go nowhere, then the test goes well.
#include "form/main_form.h"

namespace hazama {

// Monday night, after the first meeting; on Tuesday morning she leaves for school.
void MainForm::first_evening_at_the_desk() {
    music("sukima");
    picture(1, "i04_bnky.jpg");
    fade(1000, 0);
    message("飛沫「よし。数学から、片づけちゃおう。」");
    message("一時間たっても、解けたのは二問だけだった。");
    message(
        "引き出しから、描きかけの原稿を出した。\r\n"
        "ハヤトの顔に目を描いては、消しゴムで消す。");
    message(
        "飛沫「目を細くしたら、どうかな。\r\n"
        "　　　いや、だめだめ。勉強、勉強。」");

    fade(1000, 1);
    message(
        "その夜、進んだのは時計の針だけだった。\r\n"
        "耳の奥で、木を削る音がずっと鳴っていた。");
    message("次の日。火曜日の朝。");

    music("up_mode2");
    light = 0;
    face("k01_sib0");
    message("飛沫「いってきまーす！」");
    face(0);
    message("あの家の前をゆっくり通りたくて、十分早く家を出た。");

    // The house front arrives already with the new day's value.
    position = 1;
    game = 11;
    g01();
}

// Tuesday night, the test tomorrow: she goes out to see him instead.
void MainForm::manga_instead_of_study() {
    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    face("k01_sib2");
    message("飛沫「あーあ。勉強なんて、大っきらい。」");
    face(0);

    fade(1000, 1);
    message("それから、三十分。");

    picture(1, "i05_com.jpg");
    fade(1000, 0);
    message("問題集の上に、好きなマンガの単行本が開いている。");
    message("飛沫「だめだ。何十回も読んだ巻なのに、頭に入らない。」");
    message("飛沫「この男の子、ちょっとあの人に似てる。」");
    message("飛沫「前髪が目にかかってるとこまで。」");
    message(
        "飛沫「同い年くらいだったよね。\r\n"
        "　　　学校って、行ってるのかな。」");
    message("飛沫「今ごろ、何してるんだろ。」");
    message("飛沫「……うさぎ、もう彫れたかな。」");
    message("飛沫「よしっ。ちょっとだけ、行ってこよう。」");

    // Evening by now; the room comes back through a second arrival.
    game = 14;
    light = 1;
    g10();
}

// Wednesday night, and the morning a few days later when she means to finish the rabbit.
void MainForm::last_manga_begun() {
    music("water2");
    picture(1, "i07_comk.jpg");
    fade(1000, 0);
    message("その夜、ハヤトの原稿を、もう一度だけ出して眺めた。");
    message(
        "中学で最後のマンガは、白いうさぎの話にする。\r\n"
        "ハヤトの話は、引き出しの奥にしまった。\r\n"
        "まっさらな原稿用紙に、定規で枠線を引いた。");

    picture(1, "i08_neru.jpg");
    fade(1000, 0);
    message("飛沫「今度のは、きっと最高傑作になる。」");

    fade(1000, 1);
    message("土曜日には、蓮美と画材屋で新しい丸ペンを選んだ。");
    fade(1000, 2);

    picture(1, "i01_kisy.jpg");
    fade(1000, 0);
    message(
        "飛沫「日曜なのに、目覚まし？\r\n"
        "　　　あ、そっか。自分でかけたんだった。」");
    message("飛沫「今日こそ、うさぎを仕上げに行くんだ。」");

    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    game = 23;
}

}  // namespace hazama
