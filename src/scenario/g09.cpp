// Location 9: The sunlit room of the boy's house, where he lives alone and carves.
#include "form/main_form.h"

namespace hazama {

void MainForm::boy_layered() {
    picture(2, "c04_syon.jpg");
    mask(4);
    lay(256, 0);
}

void MainForm::room_with_the_boy() {
    picture(1, "h04_sumi.jpg");
    boy_layered();
}

void MainForm::g09() {
    switch (f00) {
        case 0:
            picture(1, "h04_sumi.jpg");
            if (game == 7) {
                first_meeting();
            } else if (game == 16) {
                carving_lesson();
            } else if (game == 24) {
                rabbit_finished();
            } else if (game == 28) {
                tears_and_confession();
            } else if (game == 32) {
                night_run();
            } else if (game == 38) {
                // The day before the exam.
                boy_layered();
                music("mind+mig");
                fade(1000, 0);
                message("今日も、彼は座卓の前にいる。");
                game = 39;
            } else if (game >= 8 && game <= 99) {
                boy_layered();
                fade(1000, 0);
            }
            // Before she has found this room, or past the story's end, the screen keeps
            // what it showed.
            break;
        case 2:
            if (game == 39) {
                eve_of_the_exam();
            } else if (game <= 99) {
                message("少年「まだ帰らないの？」");
            }
            break;
        case 3:
            message("不思議な雰囲気の少年……。");
            break;
    }
    com();
}

}  // namespace hazama
