// Location 3, after the results: 蓮美 congratulates her, and the door no longer opens.
#include "form/main_form.h"

namespace hazama {

void MainForm::door_that_will_not_open() {
    face("k02_has0");
    message("蓮美「あっ、飛沫ー！」");
    face(0);
    figure_on_road("c02_hasu.jpg", 2);
    fade(1000, 0);
    message("蓮美「さっきスーパーで、おばさんに聞いたよ。」");
    message(
        "蓮美「なんで今朝、教えてくれなかったの！\r\n"
        "　　　あたしも、帰ったら通知来てた。受かった！」");
    message("蓮美「春から、ふたりとも高校生だよ！」");
    message("蓮美「おめでと、飛沫！」");
    face("k01_sib3");
    message("飛沫「あ、うん。ありがと。蓮美もおめでとう。」");
    face("k01_sib2");
    message("飛沫「でもね、今日、この家の扉が開かないの。」");
    message("飛沫「どうしてだろ。」");
    face(0);
    message("蓮美「……。」");
    music("Bgm-2");
    message("蓮美「飛沫。まだ、あの家のこと考えてたの？」");
    message(
        "蓮美「前にも言ったでしょ。\r\n"
        "　　　ここには、もう誰も住んでないんだってば。」");
    face("k01_sib3");
    message("飛沫「そんなはず、ないよ。」");
    face("k01_sib2");
    message("飛沫「昨日まで毎日、ここに来てたんだから。」");
    face(0);
    message(
        "蓮美「あたしね、飛沫がここの人の話をした次の日、\r\n"
        "　　　こっそり来てみたの。扉、開かなかったよ。」");
    face("k01_sib2");
    message("飛沫「うそ。私のときは、毎日開いたのに。」");
    face(0);
    message("蓮美「何それ。ね、今日うちでお祝いするの。来る？」");
    message("蓮美「返事なし、かあ。いいよ。夜に電話するね。」");
    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("電柱の影が、さっきより長く伸びている。");
    face("k01_sib2");
    message("飛沫「明日になったら、開くよね。」");
    face(0);
    message("家までの道を、いつもの倍かけて歩いた。");
    game = 42;
}

}  // namespace hazama
