// Location 4, a month before the exam: the nagging, her outburst, and the run to his house.
#include "form/main_form.h"

namespace hazama {

void MainForm::quarrel_and_run() {
    music(0);
    message("飛沫の母「また出かけるの？　遊んでばっかりで。」");
    face("k01_sib2");
    message("飛沫「別に。」");
    music("mind2");
    face(0);
    message(
        "飛沫の母「受験まで、あと一か月ちょっとなのよ。\r\n"
        "　　　　　分かってるの？」");
    face("k01_sib2");
    message("飛沫「分かってるよ、そんなこと。」");
    face(0);
    message(
        "飛沫の母「今のうちにやっておかないと、\r\n"
        "　　　　　後で泣くのはあんたなのよ。」");
    message("飛沫の母「だいたい、あんたはいつもそうやって……。」");
    message("小言は、洗い物の音と一緒に続く。");
    music(0);
    face("k01_sib4");
    message(
        "飛沫「うるさいっ！　私だって、\r\n"
        "　　　必死に勉強してるんだから！」");
    face(0);
    message("言ったとたん、水の音が止まった。");

    picture(1, "h03_ie.jpg");
    fade(1000, 0);
    message("玄関の戸が、背中でばしんと鳴った。");
    message(
        "どうしてあんなに怒鳴ってしまったんだろう。\r\n"
        "母の口が、「あ」の形のまま止まっていた。");
    message(
        "坂を下りきって、やっとマフラーがないと気づいた。\r\n"
        "母の言ったことは、何ひとつ間違っていないのに。");

    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("行くところなんて、ほかに思いつかない。");
    picture(1, "h04_s-dc.jpg");
    fade(1000, 0);
    picture(1, "h04_s-do.jpg");
    fade(1000, 0);

    // The hallway comes up as an arrival of its own, which gives the buttons back;
    // the scene is not over yet, so take them away again.
    g07();
    com_no();
    message("扉を引いて、黙って中へ入った。");
    position = 7;
    game = 28;
}

}  // namespace hazama
