// Location 6: The front door of the boy's house.
#include "form/main_form.h"
#include "text/catalogue.h"

namespace hazama {
namespace {

// The door as it looks by day and at dusk.
struct DoorPictures {
    const char* day;
    const char* dusk;
};
constexpr DoorPictures kOpenDoor{"h04_s-do.jpg", "h04_s-de.jpg"};
constexpr DoorPictures kClosedDoor{"h04_s-dc.jpg", "h04_sdce.jpg"};

// What she says each time the door gives way again.
constexpr const char* kOpenedAgain = to_translate("飛沫「開いた。今日も、いるかな。」");

}  // namespace

void MainForm::g06() {
    const auto door_by_light = [this](const DoorPictures& door) {
        if (light == 0) picture(1, door.day);
        if (light == 1) picture(1, door.dusk);
        fade(1000, 0);
    };

    switch (f00) {
        case 0:
            if (game >= 1 && game <= 5) {
                picture(1, "h04_s-dc.jpg");
                fade(1000, 0);
                face("k01_sib3");
                message("飛沫「あれ、呼び鈴が鳴らない。すみませーん！」");
                face(0);
                message("扉に手をかけて、そっと横に引いてみた。");
                picture(1, "h04_s-do.jpg");
                fade(3000, 0);
                face("k01_sib3");
                message(
                    "飛沫「開いちゃった。\r\n"
                    "　　　鍵、かかってないんだ。」");
                face(0);
                game = 6;
                x00 = 0;
            } else if (game >= 6 && game <= 9) {
                music("mind2");
                door_by_light(kOpenDoor);
                x00 = 0;
            } else if (game == 15) {
                picture(1, "h04_sdce.jpg");
                fade(1000, 0);
                picture(1, "h04_s-de.jpg");
                fade(1000, 0);
                face("k01_sib3");
                message(kOpenedAgain);
                face(0);
                game = 16;
                x00 = 0;
            } else if (game >= 16 && game <= 19) {
                door_by_light(kOpenDoor);
                x00 = 0;
            } else if (game == 23) {
                picture(1, "h04_s-dc.jpg");
                fade(1000, 0);
                picture(1, "h04_s-do.jpg");
                fade(1000, 0);
                face("k01_sib3");
                message(kOpenedAgain);
                face(0);
                game = 24;
                x00 = 0;
            } else if (game >= 24 && game <= 26) {
                door_by_light(kOpenDoor);
                x00 = 0;
            } else if (game >= 29 && game <= 30) {
                // Still the evening she came here in tears: the open door at dusk.
                picture(1, "h04_s-de.jpg");
                fade(1000, 0);
                x00 = 0;
            } else if (game == 31) {
                picture(1, "h04_s-dc.jpg");
                fade(1000, 0);
                picture(1, "h04_s-do.jpg");
                fade(1000, 0);
                x00 = 0;
                game = 32;
            } else if (game == 32 || (game >= 37 && game <= 39)) {
                door_by_light(kOpenDoor);
                x00 = 0;
            } else if (game == 40) {
                picture(1, "h04_s-dc.jpg");
                fade(1000, 0);
                music(0);
                face("k01_sib3");
                message("飛沫「あれ？」");
                face(0);
                message("扉に手をかけて、横に引いた。動かない。");
                face("k01_sib2");
                message("飛沫「うそ。鍵なんて、一度もかかってなかったのに。」");
                message("飛沫「ねえ、いるんでしょ？　開けてよ。」");
                face(0);
                message("呼び鈴を押すと、初めて家の奥で音が鳴った。返事はない。");
                message("両手で引いても、扉はがたりとも鳴らなかった。");
                game = 41;
                x00 = 2;
            } else if (game == 46) {
                picture(1, "h04_sdce.jpg");
                fade(1000, 0);
                x00 = 2;
                message("次の日の夕方。扉も、割れた窓も、ゆうべのままだった。");
                face("k01_sib2");
                message("飛沫「マンガ、今日も持ってきたのにな。」");
                message(
                    "飛沫「二十四ページ、全部描けたんだよ。\r\n"
                    "　　　一枚目から、読んでほしかったな。」");
                game = 47;
            } else if (game >= 41 && game <= 99) {
                door_by_light(kClosedDoor);
                x00 = 2;
            } else if (game >= 10 && game <= 99) {
                door_by_light(kClosedDoor);
                x00 = 1;
            }
            break;
        case 2:
            message("ここには話す相手がいない。");
            break;
        case 3:
            if (x00 == 0) {
                if (game <= 7) {
                    message(
                        "扉が開いている。\r\n"
                        "中に、誰かいるような気がする。");
                } else if (game <= 99) {
                    message("扉が開いている。");
                }
            } else if (x00 == 1) {
                message("扉は閉まっている。");
            } else if (x00 == 2) {
                message("開かない扉。");
            }
            break;
    }
    com();
}

}  // namespace hazama
