// Location 4, after the results: her mother tells what became of that family, and 飛沫 runs
// to the shut house and breaks its window.
#include "form/main_form.h"

namespace hazama {

void MainForm::what_became_of_that_family() {
    face("k01_sib3");
    message("飛沫「ねえ、一家心中があった家って、知ってる？」");
    face(0);
    message("飛沫の母「知ってるけど。なあに、急に。」");
    message(
        "飛沫の母「たばこ屋さんの先の、木のお家でしょう？\r\n"
        "　　　　　ご主人が、自分で建てたっていう。」");
    message("毎日、私が扉を引いていた、あの家だ。");
    message(
        "飛沫の母「干支の置物を彫る職人さんでね。\r\n"
        "　　　　　二年くらい前に、事故で。」");
    message(
        "飛沫の母「それで去年の春、奥さんが、\r\n"
        "　　　　　息子さんを連れて……。」");
    message(
        "飛沫の母「お金のことで、追いつめられてたって。\r\n"
        "　　　　　その子、学校にも行ってなかったそうよ。」");
    message("飛沫の母「ちょうど、あんたと同い年くらいの――飛沫？」");
    music(0);
    face("k01_sib4");
    message("飛沫「もういいっ！」");
    face(0);

    // From here on the scene plays as if she had just arrived somewhere.
    f00 = 0;
    light = 1;
    picture(1, "h03_ied.jpg");
    fade(1000, 0);
    message("玄関にあった母のサンダルで、外へ出た。");
    picture(1, "i14_dash.jpg");
    fade(1000, 0);
    message("サンダルが脱げかけても、止まらなかった。");
    message("いつもの三分の一もかからなかったと思う。");

    picture(1, "h04_s-dc.jpg");
    fade(1000, 0);
    message(
        "玄関の扉に飛びついて、\r\n"
        "爪が白くなるまで引っぱった。");
    message("指の関節が、きしむように痛むだけ。");
    face("k01_sib1");
    message("飛沫「なんで。ねえ、開いてよ！」");
    face(0);
    message("このまま帰るなんて、できない。家の横へ回った。");

    picture(1, "i14_thrw.jpg");
    fade(1000, 0);
    message("石を拾って、窓に投げた。ガラスが高い音を立てた。");
    music("sukima");
    picture(1, "i14_gara.jpg");
    fade(1000, 0);
    message("窓の向こうは、あの人が木を彫っていた部屋。");
    message("木の匂いが、しない。竜の棚は、板がむき出しだ。");
    face("k01_sib2");
    message("飛沫「……。」");
    face(0);

    // She is left standing on the road before the house, at dusk.
    game = 44;
    f00 = 0;
    position = 3;
    g03();
}

}  // namespace hazama
