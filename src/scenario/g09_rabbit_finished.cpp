// Location 9, some days after the test: her rabbit is sanded, painted and finished.
#include "form/main_form.h"

namespace hazama {

void MainForm::rabbit_finished() {
    fade(1000, 0);
    music("mind+mig");
    boy_layered();
    fade(1000, 0);

    message("少年「久しぶりだね。」");
    face("k01_sib0");
    message("飛沫「ごめんね、なかなか来られなくて。」");
    message(
        "飛沫「ほんとは毎日でも来たかったんだけど、\r\n"
        "　　　新しいマンガ、描きはじめちゃって。」");
    face(0);

    message("少年「今日は、うさぎを仕上げる？」");
    face("k01_sib0");
    message("飛沫「うん、そのつもり。」");
    message(
        "飛沫「あのね、今度のは、うさぎが主人公なの。\r\n"
        "　　　月に帰りそびれた、白いうさぎ。」");
    message("飛沫「ここでうさぎを彫ったから、思いついたの。」");
    face(0);

    message("少年「帰りそびれた、か。」");
    message(
        "少年「白いうさぎなら、\r\n"
        "　　　これも白く塗ろうか。」");
    message(
        "少年「その前に、やすり。\r\n"
        "　　　角を、丸く落とすつもりで。」");
    face("k01_sib0");
    message("飛沫「はーい、先生。」");
    face(0);

    fade(1000, 1);
    message("紙やすりを、粗い目から細かい目へと替えていった。");
    message("指でなぞっても、もう引っかかるところはない。");

    room_with_the_boy();
    fade(1000, 0);
    message("少年「じゃあ、白。」");

    fade(1000, 1);
    message(
        "白く塗ってから、耳の内側とおなかの影にだけ、\r\n"
        "カラー原稿の影と同じ、うすい緑をのせた。\r\n"
        "最後にろうを引くと、白がしっとりと光る。");
    message("手のひらに乗せると、思ったより軽い。");

    picture(1, "i03_usa2.jpg");
    fade(1000, 0);
    face("k03_syo0");
    message(
        "少年「耳の線が、すっと出てる。\r\n"
        "　　　いいうさぎだね。」");
    message("少年「ちょっと、できすぎなくらいだ。」");
    face("k01_sib0");
    message(
        "飛沫「えへへ、私もそう思う。\r\n"
        "　　　自分で言うのも、なんだけど。」");
    message("飛沫「教え方が上手だったからだよ。」");
    face("k03_syo0");
    message("少年「僕が教えたのは、刃の持ち方だけだよ。」");
    message(
        "少年「彫ったのは君だ。\r\n"
        "　　　これは、君のうさぎだよ。」");
    face("k01_sib0");
    message("飛沫「ありがとう。」");
    message("飛沫「すっごく楽しかった。」");
    message(
        "飛沫「ねえ、またひとつ作ってみたいな。\r\n"
        "　　　今度は、もっとうまく。」");
    face(0);

    room_with_the_boy();
    fade(1000, 0);
    message(
        "少年「いいよ。\r\n"
        "　　　木なら、まだいくらでもあるから。」");
    message(
        "少年「次は、何を彫る？\r\n"
        "　　　干支なら、うさぎの次は竜だけど。」");
    face("k01_sib0");
    message("飛沫「うーん、次に来るまでに考えとく。」");
    face(0);
    message("少年「分かった。」");
    face("k01_sib0");
    message("飛沫「じゃあ、今日はもう帰るね。」");
    face(0);
    message("少年「うん。またね。」");

    music("water2");
    game = 25;
    light = 1;
}

}  // namespace hazama
