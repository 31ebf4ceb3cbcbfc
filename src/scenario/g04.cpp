// Location 4: Inside 飛沫's house: the dining room, where her mother is always waiting.
#include "form/main_form.h"
#include "text/catalogue.h"

namespace hazama {
namespace {

constexpr const char* kHurryToSchool =
    to_translate("飛沫の母「早く学校に行きなさい。遅刻するわよ。」");

}  // namespace

void MainForm::mother_at_the_table() {
    picture(2, "c01_haha.jpg");
    mask(1);
    lay(256, 0);
}

void MainForm::g04() {
    switch (f00) {
        case 0:
            // Morning light only for the first morning and the Tuesday morning.
            if (game <= 3 || game == 11) {
                picture(1, "h03_syok.jpg");
            } else {
                picture(1, "h03_syod.jpg");
            }
            mother_at_the_table();
            fade(1000, 0);

            if (game == 9) {
                message(
                    "飛沫の母「テスト前だっていうのに、\r\n"
                    "　　　　　こんな時間までどこ行ってたの？」");
                face("k01_sib0");
                message("飛沫「友だちとしゃべってただけ。今からやるよ。」");
                face(0);
                game = 10;
            } else if (game == 12) {
                message("飛沫の母「テスト、明日でしょう。今日こそ勉強よ。」");
                game = 13;
            } else if (game == 14) {
                message("飛沫の母「どこ行くの？　ごはん、もうすぐよ。」");
                game = 15;
            } else if (game == 18) {
                lecture_and_a_night_of_study();
            } else if (game == 19) {
                the_morning_after();
            } else if (game == 21) {
                message("飛沫の母「おかえり。テスト、どうだった？」");
                face("k01_sib0");
                message("飛沫「ばっちり！　今まででいちばんできたかも。」");
                face(0);
                game = 22;
            } else if (game == 27) {
                quarrel_and_run();
            } else if (game == 29) {
                message("飛沫の母「……おかえり。夕ごはん、できてるわよ。」");
                face("k01_sib2");
                message("飛沫「ただいま。」");
                face("k01_sib0");
                message("飛沫「うるさいなんて言って、ごめんなさい。」");
                face(0);
                message(
                    "飛沫の母「もういいわよ。お母さんもね、\r\n"
                    "　　　　　顔も見ないで、同じことばっかり。」");
                face("k01_sib3");
                message("飛沫「お母さん、目、赤いよ。」");
                face("k01_sib0");
                message("飛沫「ごはん食べたら、勉強するね。」");
                // No face(0) here: her smile stays until the closing com.
                game = 30;
            } else if (game == 45) {
                the_fathers_figurine();
            }
            break;

        case 2:
            if (game <= 4) {
                message("飛沫の母「あら、忘れ物？」");
                message(kHurryToSchool);
            } else if (game <= 9) {
                message("飛沫の母「おかえり。おやつ食べたら、勉強よ。」");
            } else if (game == 11) {
                message(kHurryToSchool);
            } else if (game == 30) {
                message("飛沫の母「夜食、あとで持っていくから。頑張んなさい。」");
            } else if (game == 37) {
                message("飛沫の母「おかえり。スカート、草の実だらけよ。」");
                face("k01_sib0");
                message("飛沫「ごめん。友だちの家で、勉強してたの。」");
                face(0);
                message("飛沫の母「……。」");
                message("飛沫の母「そう。次からは、電話くらいしなさい。」");
            } else if (game >= 40 && game <= 42) {
                message("飛沫の母「おめでとう、ね。今夜はお赤飯よ。」");
            } else if (game == 43) {
                what_became_of_that_family();
            } else if (game >= 44 && game <= 99) {
                message("飛沫の母「お赤飯、ほとんど手をつけてないじゃない。」");
            } else if (game <= 99) {
                message("飛沫の母「みかん、部屋に持っていったら？」");
            }
            break;

        case 3:
            message(
                "うちの食卓だ。\r\n"
                "顔を上げると、たいてい母と目が合う。");
            break;
    }
    com();
}

}  // namespace hazama
