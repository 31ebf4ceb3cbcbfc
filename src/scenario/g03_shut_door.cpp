// Location 3, after the results: 蓮美 congratulates her, and the door no longer opens.
#include "form/main_form.h"

namespace hazama {

void MainForm::door_that_will_not_open() {
    face("k02_has0");
    message("蓮美「あっ、飛沫ー！」");
    face(0);
    figure_on_road("c02_hasu.jpg", 2);
    fade(1000, 0);
    message("蓮美「聞いたよ、合格したんだって？」");
    message(
        "蓮美「あたしもね、第一志望受かったんだ！\r\n"
        "　　　これで春から、晴れて高校生！」");
    message("蓮美「お互い、よかったねえ。」");
    message("蓮美「おめでと、飛沫！」");
    face("k01_sib3");
    message("飛沫「うん……ありがと。蓮美もおめでとう。」");
    face("k01_sib2");
    message("飛沫「でもね、今日はこの家の扉が開かないの。」");
    message("飛沫「どうしてなんだろう……。」");
    face(0);
    message("蓮美「…………。」");
    music("Bgm-2");
    message("蓮美「飛沫、まだそんなこと言ってるの？」");
    message(
        "蓮美「前にも言ったでしょ。\r\n"
        "　　　ここには誰も住んでないんだってば。」");
    face("k01_sib3");
    message("飛沫「そんなはず、ないよ。」");
    face("k01_sib2");
    message("飛沫「昨日まで毎日、ここに来てたんだから。」");
    face(0);
    message(
        "蓮美「あたしも前に一度、その扉を開けようと\r\n"
        "　　　したことあるけど、びくともしなかったよ。」");
    face("k01_sib2");
    message("飛沫「…………。」");
    face(0);
    message("蓮美「ごめん、あたしこれから用事あるんだ。」");
    message("蓮美「じゃあね、飛沫。あんまり考え込まないでよ。」");
    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("頭の中が、ぐるぐると回っていた。");
    face("k01_sib2");
    message("飛沫「明日になれば、きっと開くよね……。」");
    face(0);
    message("私は、重い足を引きずるようにして家へ帰った。");
    game = 42;
}

}  // namespace hazama
