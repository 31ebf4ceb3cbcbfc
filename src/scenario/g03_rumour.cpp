// Location 3, after school on the first day: 蓮美 tells what happened in that house.
#include "form/main_form.h"

namespace hazama {

void MainForm::rumour_of_the_house() {
    figure_on_road("c03_s-bc.jpg", 3);
    fade(1000, 0);
    face("k01_sib2");
    message("飛沫「……また、来ちゃった。」");
    face(0);
    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    music("up_mode2");
    pause_ms(1000);
    message("蓮美「しーぶーきー！」");
    figure_on_road("c02_hasu.jpg", 2);
    fade(1000, 0);
    face("k01_sib3");
    message("飛沫「うわっ、蓮美！？　びっくりしたあ。」");
    face(0);
    message("蓮美「へへ、驚いた？　何回も呼んだのに。」");
    message("蓮美「こんなとこで突っ立って、何してんの？」");
    face("k01_sib0");
    message("飛沫「ん、この家、誰が住んでるのかなって。」");

    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    face("k02_has0");
    message("蓮美「この家って……ここ？」");
    face(0);
    message("蓮美は、まじまじとその家を見上げた。");
    face("k02_has0");
    message("蓮美「ここ、誰も住んでないはずだよ。」");
    face("k01_sib3");
    message("飛沫「え？　なんで？」");
    music(0);
    face("k02_has0");
    message("蓮美「ここの家族、一家心中したんだって。」");
    message("蓮美「たしか、お母さんの脱税がバレたとかで。」");
    face("k01_sib3");
    message("飛沫「そんな……。」");
    message("飛沫「じゃあ、この家、今は……。」");
    message("飛沫「……あれ？」");
    face(0);

    // A shadow crosses the window and is gone again.
    house_window("o01_kage.jpg");
    fade(1000, 0);
    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    face("k01_sib3");
    message("飛沫「今、窓のところで何か動いた！」");
    face("k02_has0");
    message("蓮美「はあ？　何言ってんの。」");
    face("k01_sib3");
    message("飛沫「ほんとだもん！　あの窓に、人影が見えたの。」");
    face("k02_has0");
    message("蓮美「ないない。気のせいだって。」");

    music("up_mode2");
    figure_on_road("c02_hasu.jpg", 2);
    fade(1000, 0);
    face(0);
    message(
        "蓮美「そんなことより、水曜のテスト。\r\n"
        "　　　飛沫、ちゃんと勉強してる？」");
    face("k01_sib3");
    message(
        "飛沫「うっ。それがさあ、全然やる気が出なくて。\r\n"
        "　　　机に向かっても、すぐマンガ描いちゃうし。」");
    message("飛沫「高校だって、なんとなくで選んじゃったし。」");
    message("飛沫「将来のことなんて、まだ何も考えてないよ。」");
    face(0);
    message(
        "蓮美「そんなの、みんな同じだって。\r\n"
        "　　　あたしだって何にも考えてないもん。」");
    message("蓮美「とりあえず、目の前のテストからでしょ。」");
    face("k01_sib3");
    message("飛沫「それは、そうなんだけど……。」");
    face(0);
    message("蓮美「ね、テスト終わったらさ。」");
    message(
        "蓮美「駅前の画材屋さん、一緒に行こうよ。\r\n"
        "　　　飛沫の好きなペン、あそこにしかないでしょ。」");
    face("k01_sib3");
    message(
        "飛沫「行く行く！　……でも、受験生なのに\r\n"
        "　　　マンガなんか描いてていいのかな。」");
    face(0);
    message("蓮美「いいに決まってるじゃん。息抜き息抜き。」");
    message(
        "蓮美「じゃ、あたしは帰って勉強するから。\r\n"
        "　　　また明日ね、飛沫！」");
    face("k01_sib0");
    message("飛沫「うん、また明日。」");

    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("飛沫「……息抜き、か。」");
    face("k01_sib2");
    message("飛沫「息抜きばっかりなんだけどな、私。」");
    message(
        "飛沫「マンガだって、描きかけのまま\r\n"
        "　　　ちっとも進んでないし。」");
    message(
        "飛沫「勉強なんて、もっと進んでないし。\r\n"
        "　　　……どっちつかずだなあ。」");
    music("mind");
    platform().set_message("");
    // The shadow again, slower this time: she is sure now.
    house_window("o01_kagf.jpg");
    fade(3000, 0);
    picture(1, "h04_s-ie.jpg");
    fade(3000, 0);
    face("k01_sib3");
    message("飛沫「……やっぱり。誰か、いる。」");
    face(0);
    game = 5;
}

}  // namespace hazama
