// Location 0: The prologue: the opening credits, the title pictures and the first morning.
#include "form/main_form.h"

namespace hazama {

void MainForm::g00() {
    opening();
    fade(500, 2);
    for (int i = 0; i <= 7; ++i) {
        labstaff[i].visible = false;
        platform().set_staff(i, labstaff[i]);
    }

    picture(1, "title1.jpg");
    fade(1000, 0);
    picture(1, "title2.jpg");
    fade(1000, 0);
    picture(1, "title.jpg");
    fade(1000, 0);
    pause_ms(1000);
    fade(1000, 1);

    message("目覚ましが鳴っている。布団から、出る気になれない。");
    message("私はのろのろ起き上がって、目覚ましを黙らせた。");
    message("飛沫「うう、月曜日。学校、行かなきゃ。」");
    message("１９９８年　１１月");
    music("up_mode2");
    picture(1, "i01_kisy.jpg");
    fade(3000, 0);
    message("飛沫「えっと、七時半。まだ平気、かな。」");

    picture(1, "h03_syok.jpg");
    fade(1000, 0);
    message("食卓に、私の数学のノートが開いて置いてある。");
    face("k01_sib0");
    message("飛沫「おはよう、お母さん。」");
    picture(2, "c01_haha.jpg");
    mask(1);
    face(0);
    lay(256, 0);
    fade(1000, 0);
    message(
        "飛沫の母「おはよう、飛沫。ほら、早く食べなさい。\r\n"
        "　　　　　遅刻しても知らないわよ。」");
    face("k01_sib0");
    message("飛沫「はーい。」");
    face(0);
    message("飛沫の母「数学のノート、後ろがマンガだらけよ。」");
    message("飛沫の母「高校入試まで、あと三か月しかないのよ。」");
    face("k01_sib0");
    message("飛沫「分かってるって。毎朝それ言うんだから。」");
    fade(1000, 1);
    message("飛沫「いってきまーす。」");
    face(0);
    message("父はもう会社。流し込んだパンが、まだ喉のあたりにある。");

    // Location 1's arrival gives the player the first command.
    game = 1;
    position = 1;
    g01();
}

}  // namespace hazama
