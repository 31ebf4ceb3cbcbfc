// Location 5: The school classroom.
#include "form/main_form.h"
#include "text/catalogue.h"

namespace hazama {
namespace {

constexpr const char* kFewStudentsLeft =
    to_translate("廊下のほうに何人かいるけど、特に話す用事はない。");

}  // namespace

void MainForm::g05() {
    switch (f00) {
        case 0:
            if (light == 0) picture(1, "h05_gako.jpg");
            if (light == 1) picture(1, "h05_gakd.jpg");
            fade(1000, 0);
            if (game <= 3) {
                late_first_morning();
            } else if (game == 11) {
                day_before_the_test();
            } else if (game == 20) {
                test_went_well();
            }
            break;
        case 2:
            if (light == 0) {
                if (game >= 23 && game <= 24) {
                    message(
                        "日曜の学校に、話す相手はいない。\r\n"
                        "上の階から、吹奏楽部の練習が聞こえるだけ。");
                } else if (game <= 4 || game == 12 || game == 21) {
                    message(
                        "廊下のほうに何人かいるけど、特に話す用事はない。\r\n"
                        "蓮美の鞄は、もう机にない。");
                } else {
                    message(kFewStudentsLeft);
                }
            } else if (light == 1) {
                message("ここには話す相手がいない。");
            }
            break;
        case 3:
            if (light == 0) {
                if (game >= 23 && game <= 24) {
                    message("日曜の教室は空っぽ。上の階で、吹奏楽部が練習している。");
                } else {
                    message("教室は空っぽ。廊下のほうで、誰かの話し声がする。");
                }
            } else if (light == 1) {
                message("こんな時間だ。さすがに、もう誰もいない。");
            }
            break;
    }
    com();
}

void MainForm::hasumi_in_class() {
    picture(2, "c02_hasu.jpg");
    mask(2);
    lay(256, 64);
}

// Monday: the detour past that house nearly made her late.
void MainForm::late_first_morning() {
    message(
        "息を切らして教室に駆け込むと、\r\n"
        "時計の針は始業の二分前を指していた。");
    message("席に着くより早く、親友の蓮美が寄ってきた。");
    hasumi_in_class();
    fade(1000, 0);
    message("蓮美「おっはよー。飛沫にしちゃ遅かったじゃん。」");
    face("k01_sib0");
    message("飛沫「工事で回り道。ついでに、ちょっと寄り道。」");
    face(0);

    // The chime must ring once, so the watcher may not restart it.
    music("s-Cha");
    set_timer1_interval(0);
    platform().set_message("");
    pause_ms(5000);
    message("蓮美「やばっ、先生来ちゃう。席戻るね！」");

    picture(1, "h05_gako.jpg");
    fade(1000, 0);
    music("mind2");
    set_timer1_interval(10);
    message(
        "授業が始まった。けれど先生の声は、\r\n"
        "ずっと遠くで鳴っているみたい。");
    message("気がつくと、ノートの隅に板壁の家を描いていた。");
    message("六時間目のチャイムが鳴る頃には、家は三軒に増えていた。");
    game = 4;
}

}  // namespace hazama
