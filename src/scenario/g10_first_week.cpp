// Location 10, the week she met him: two evenings that go nowhere, then the test goes well.
#include "form/main_form.h"

namespace hazama {

// Monday night, after the first meeting; on Tuesday morning she leaves for school.
void MainForm::first_evening_at_the_desk() {
    music("sukima");
    picture(1, "i04_bnky.jpg");
    fade(1000, 0);
    message("飛沫「はあぁ……。」");
    message("一時間たっても、問題集は一ページも進まなかった。");
    message(
        "机の端に置いてあったマンガに、\r\n"
        "気づけば手が伸びていた。");
    message(
        "飛沫「……いやいや、ちょっと待って、私。\r\n"
        "　　　勉強しなきゃでしょ、勉強。」");

    fade(1000, 1);
    message(
        "結局その夜は、ほとんど勉強にならなかった。\r\n"
        "耳の奥で、木を削る音がずっと鳴っていた。");
    message("次の日。火曜日の朝。");

    music("up_mode2");
    light = 0;
    face("k01_sib0");
    message("飛沫「いってきまーす！」");
    face(0);
    message("いつもどおりの時間に、私は家を出た。");

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
    message("……それから、三十分。");

    picture(1, "i05_com.jpg");
    fade(1000, 0);
    message("私は、問題集の上にマンガを広げていた。");
    message("飛沫「明日テストなのに、マンガって。」");
    message("飛沫「だめだ。マンガの絵まで、目の上をすべってく。」");
    message("飛沫「……あの人。」");
    message(
        "飛沫「私と同じ中学生くらいに見えたけど、\r\n"
        "　　　勉強なんて、してる感じじゃなかったな。」");
    message("飛沫「今ごろ、何してるんだろう。」");
    message("飛沫「……うーん。」");
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
    message("その夜。");
    message(
        "テストの自己採点は上々。この調子なら、\r\n"
        "志望校にもちゃんと手が届きそうだった。\r\n"
        "だから描きはじめた。中学で最後になるマンガを。");

    picture(1, "i08_neru.jpg");
    fade(1000, 0);
    message("飛沫「今度のは、きっと最高傑作になる。」");

    fade(1000, 1);
    message("それから、数日が過ぎた。");
    fade(1000, 2);

    picture(1, "i01_kisy.jpg");
    fade(1000, 0);
    message(
        "飛沫「今日は日曜日だし、久しぶりに\r\n"
        "　　　あの家に行ってみようかな。」");
    message("飛沫「あのうさぎ、ちゃんと仕上げてあげなきゃ。」");

    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    game = 23;
}

}  // namespace hazama
