// Location 11, the night of the shooting stars: the telescope inside the building, then up
// onto its roof, where he tells her why he gave up the stars.
#include "form/main_form.h"

namespace hazama {

void MainForm::the_telescope() {
    message("少年「星を見るために建てたんだ。父さんと。」");
    face("k01_sib3");
    message("飛沫「星？　こんなに大きな建物を、星のために？」");
    face(0);

    message(
        "少年「中に、望遠鏡がある。\r\n"
        "　　　のぞいてみて。」");
    face("k01_sib3");
    message("飛沫「のぞくって、どうやるの？」");
    face(0);

    message("彼が扉を開けると、木のきしむ音が夜に響いた。");
    fade(1000, 1);
    face("k03_syo2");
    message(
        "少年「ここに目を当てて。\r\n"
        "　　　ハンドルは、ゆっくり。」");
    face(0);

    picture(1, "i12_miru.jpg");
    fade(1000, 0);
    message("言われたとおりに、そっとレンズをのぞき込んだ。");
    message("丸い闇の中に、砂をまいたみたいに星が詰まっている。");

    picture(1, "i09_stas.jpg");
    fade(1000, 0);
    face("k01_sib0");
    message("飛沫「うわ。これ、全部星？」");

    picture(1, "i12_miru.jpg");
    fade(1000, 0);
    face("k03_syo0");
    message(
        "少年「うん。ここは空が暗いから、\r\n"
        "　　　目だけでも見える。」");
    face(0);
    message("飛沫「じゃあ、なんで望遠鏡なんかつけたの？」");
    face("k03_syo0");
    message("少年「父さんが、どうしても欲しがって。」");
    face(0);

    picture(1, "i12_mitu.jpg");
    fade(1000, 0);
    message("彼が声を立てて笑うのを、初めて聞いた。");
    message(
        "少年「流れ星が見えたら、お願いしてみたら？\r\n"
        "　　　高校に受かりますように、って。」");
    message("少年「気休めくらいには、なるよ。」");
    face(0);

    picture(1, "i12_miru.jpg");
    fade(1000, 0);
    message("飛沫「流れ星って、すぐに見られるものなの？」");
    face("k03_syo0");
    message(
        "少年「ここなら、三十分にひとつくらい。\r\n"
        "　　　運がよければ、もっと。」");
    face(0);

    message("望遠鏡の丸い空は、狭すぎる。建物の外に出た。");

    // Still a talk: the roof follows without a new command.
    game = 33;
    g11();
}

void MainForm::up_on_the_roof() {
    face("k03_syo0");
    message(
        "少年「首、痛くなるよ。\r\n"
        "　　　屋根に登って。\r\n"
        "　　　寝転べるから。」");
    face(0);
    fade(1000, 1);
    message(
        "建物の横には、はしごがかけてある。\r\n"
        "屋根の上まで、すぐだった。");

    picture(1, "i12_suwa.jpg");
    fade(1000, 0);
    message("さんざん走って、足がくたくただ。屋根に座り込む。");

    picture(1, "i12_neru.jpg");
    fade(1000, 0);
    message("飛沫「わあ。空しか見えない。」");
    face("k03_syo2");
    message(
        "少年「そこで待ってて。\r\n"
        "　　　僕は下で、竜を彫ってる。」");
    face(0);

    message("飛沫「えっ、彫るものまで持ってきたの？」");
    face("k03_syo0");
    message("少年「うん。刃は、いつも持ってる。」");
    face(0);

    message("彼は戸口のランプのそばに座って、彫りはじめる。");
    message("飛沫「こんなときまで彫るなんて、好きだねえ。」");
    face("k03_syo0");
    message("少年「まあね。」");
    face(0);

    message(
        "飛沫「でも、変なの。\r\n"
        "　　　彫ることしか頭にないみたいなのに、\r\n"
        "　　　どうしてこんな建物、残してあるの？」");
    face("k03_syo2");
    message("少年「昔は、毎晩ここにいた。」");
    face("k03_syo0");
    message(
        "少年「でも、夜ふかしした次の日は、\r\n"
        "　　　刃がぶれるんだ。」");
    face("k03_syo1");
    message(
        "少年「父さんの葬式の次の日、\r\n"
        "　　　父さんの彫刻刀を、全部研いだ。」");
    message("少年「星の本は、押し入れの奥。」");
    face(0);

    message("飛沫「私なら、両方やる。寝なきゃいいんだもん。」");
    face("k03_syo0");
    message("少年「望遠鏡にふたをするとき、手が止まった。」");
    message("少年「今夜、そのふたを取った。」");
    message("少年「ふたに、ほこりが積もってた。」");
    face(0);

    message("飛沫「じゃあ、さっきのぞいたの、私が最初？」");
    message("私はしばらく、黙って星空を見上げていた。");

    // She stays on her back on the roof; the next command is heard up there.
    game = 34;
    position = 12;
}

}  // namespace hazama
