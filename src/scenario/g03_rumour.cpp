// Location 3, after school on the first day: 蓮美 tells what happened in that house.
#include "form/main_form.h"

namespace hazama {

void MainForm::rumour_of_the_house() {
    figure_on_road("c03_s-bc.jpg", 3);
    fade(1000, 0);
    face("k01_sib2");
    message("飛沫「また、来ちゃった。」");
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
    message("蓮美「え、ここ？」");
    face(0);
    message("蓮美は家を見上げて、鞄の紐をぎゅっと握った。");
    face("k02_has0");
    message("蓮美「ここ、空き家だよ。たしか。」");
    face("k01_sib3");
    message("飛沫「え？　なんで？」");
    music(0);
    face("k02_has0");
    message("蓮美「ここの家族、一家心中したんだって。春に。」");
    message("蓮美「うちのお母さん情報だけど。税金がどうとか。」");
    face("k01_sib3");
    message("飛沫「うそ……。」");
    message("飛沫「じゃあ、今は誰も？」");
    message("飛沫「あれ？」");
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
    message("飛沫「見たもん！　二階の窓に、誰かいた。」");
    face("k02_has0");
    message("蓮美「やめてよ、そういうの。」");

    music("up_mode2");
    figure_on_road("c02_hasu.jpg", 2);
    fade(1000, 0);
    face(0);
    message(
        "蓮美「ね、もう行こ。ここ、なんかやだ。\r\n"
        "　　　それより水曜のテスト、勉強してる？」");
    face("k01_sib3");
    message(
        "飛沫「うっ。問題集、まだ三ページ目。\r\n"
        "　　　開くと、五分で眠くなっちゃうんだもん。」");
    message("飛沫「志望校だって、制服で選んだようなもんだし。」");
    message("飛沫「将来の夢の作文なんか、まだ題名だけだよ。」");
    face(0);
    message(
        "蓮美「あたしなんか、夢の欄に\r\n"
        "　　　『お嫁さん』って書いて怒られたよ。」");
    message("蓮美「とりあえず、水曜を乗り切ろうよ。」");
    face("k01_sib3");
    message("飛沫「まあ、そうなんだけど。」");
    face(0);
    message("蓮美「ね、テスト終わったらさ。」");
    message(
        "蓮美「駅前の画材屋さん、一緒に行こうよ。\r\n"
        "　　　丸ペン、先が開いちゃったんでしょ？」");
    face("k01_sib3");
    message(
        "飛沫「行く行く！　でも、ペン買っても\r\n"
        "　　　あの続き、描けるかなあ。」");
    face(0);
    message("蓮美「描いてよ。無口なハヤトくんの笑顔、見たい。」");
    message(
        "蓮美「ねえ、帰ろってば。聞いてる？　先行くよ。\r\n"
        "　　　また明日ね、飛沫！」");
    face("k01_sib0");
    message("飛沫「うん、また明日。」");

    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("飛沫「笑うとこ、か。」");
    face("k01_sib2");
    message("飛沫「あの顔だけ、どうしても描けないんだよね。」");
    message(
        "飛沫「消しゴムかけすぎて、あそこだけ\r\n"
        "　　　紙が毛羽立っちゃってるし。」");
    message(
        "飛沫「新しいペンなら、\r\n"
        "　　　描けるかな。あの顔。」");
    music("mind");
    platform().set_message("");
    // The shadow again, slower this time: she is sure now.
    house_window("o01_kagf.jpg");
    fade(3000, 0);
    picture(1, "h04_s-ie.jpg");
    fade(3000, 0);
    face("k01_sib3");
    message("飛沫「あ、この音。やっぱり、誰かいる。」");
    face(0);
    game = 5;
}

}  // namespace hazama
