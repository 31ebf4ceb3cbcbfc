// Location 10 through the winter: carving at his house, manga at home, February, and the
// night before the entrance exam.
#include "form/main_form.h"

namespace hazama {

void MainForm::december_and_january() {
    music("mind");
    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    fade(1000, 1);
    message("十二月のあいだ、私には机がふたつあった。");

    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("学校が終わると、あの家の座卓で木を彫る。");

    picture(1, "i07_comk.jpg");
    fade(1000, 0);
    message(
        "夜は自分の机。新しい丸ペンで、うさぎの話を描く。\r\n"
        "トーンの夜空をカッターで削って、星を光らせる。");
    face("k01_sib0");
    message("飛沫「二十四ページのうち、二十ページ。もうすぐだ。」");
    face(0);

    picture(1, "i04_bnky.jpg");
    fade(1000, 0);
    message(
        "でも、受験まではもう二か月もない。\r\n"
        "冬休みの宿題は、手つかずのまま積んである。\r\n"
        "マンガは、土曜の夜にだけ描くことにした。");

    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("座卓の私の側には、いつのまにか座布団が敷いてある。");

    fade(1000, 1);
    message("年が明けて、一月なかばの日曜日。");

    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    face("k01_sib0");
    message("飛沫「さてと。今日もあの家に行こうっと。」");
    face(0);
    light = 0;
    game = 27;
}

// After she made it up with her mother: she cannot keep him out of her head.
void MainForm::february_comes() {
    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    music("mind2");
    picture(1, "i04_bnky.jpg");
    fade(1000, 0);
    message("母と約束したとおり、机に向かう。");
    message(
        "けれど、シャーペンは問題集の余白で、\r\n"
        "勝手にあの人の横顔を描いている。");

    fade(1000, 1);
    message("夜食のおにぎりが、手つかずのまま冷えていく。");

    picture(1, "i08_neru.jpg");
    fade(1000, 0);
    message(
        "布団の中で、「好きだよ」のところだけを、\r\n"
        "何度も頭の中で巻き戻した。");
    fade(1000, 1);
    message("新聞配達のバイクが来るまで、目がさえていた。");

    light = 0;
    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("毎日、蓮美の「一緒に帰ろ」を断って、あの家へ向かう。");
    message(
        "でも、あの日から、ふたりのあいだは\r\n"
        "座卓ひとつ分のまま、何ひとつ変わらない。");
    face("k01_sib3");
    message("飛沫「座布団、もっとこっちに寄せてもいいのに。」");
    face(0);

    picture(1, "i03_usa2.jpg");
    fade(1000, 0);
    message("部屋の棚の木彫りは、十個を超えた。");

    picture(1, "i07_comk.jpg");
    fade(1000, 0);
    message(
        "刃の跡は、日ごとに細かくなった。\r\n"
        "マンガの残り四ページは、白いまま。");
    message(
        "うさぎが人の姿になって、女の子と空を見上げる場面。\r\n"
        "その顔を、何度描いても、知ってる顔に似てくる。");

    picture(1, "i04_bnky.jpg");
    fade(1000, 0);
    message("問題集のしおりは、十二月のページに挟まったまま。");
    fade(1000, 1);
    message("そして、二月になった。");

    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    message("学校のない土曜日の午後、私はあの家へ向かった。");

    // She is on the road already; its picture comes with the player's next command there.
    position = 3;
    game = 31;
}

// The evening after the shooting stars, and the day before the exam.
void MainForm::after_the_roof() {
    picture(1, "h03_sibu.jpg");
    fade(1000, 0);
    message("部屋に戻って、いちおう教科書は開いた。");

    picture(1, "i04_bnky.jpg");
    fade(1000, 0);
    message(
        "でも、屋根の上のことを思い出すたびに、\r\n"
        "両手で顔を覆った。誰も見ていないのに。");
    message("飛沫「だめだ。教科書の字が、全部星に見える。」");

    picture(1, "i08_neru.jpg");
    fade(1000, 0);
    message(
        "あきらめて、布団に入った。\r\n"
        "走りどおしだった足が、じんじん熱い。\r\n"
        "じたばたする暇もなく、朝になっていた。");

    fade(1000, 1);
    message(
        "その日から、夜は十二時に寝るようにした。\r\n"
        "朝の一時間で、赤ペンの丸がページの端まで並ぶ。");

    music(0);
    light = 0;
    message("入試の前の日。");
    message("学校が終わると、あの家へ向かった。");

    picture(1, "h04_s-ie.jpg");
    fade(1000, 0);
    position = 9;
    game = 38;
    g09();
}

}  // namespace hazama
