// Location 15: Home at the end: the bonfire of her carvings, the night sky, the staff roll.
#include "form/main_form.h"

namespace hazama {

// The same ending whatever the command. It never gives the buttons back: once the roll is
// over, the quit button is all that is left.
void MainForm::g15() {
    music("mind");
    fade(1000, 1);
    message(
        "家に帰ると、私はこれまでに彫った木彫りを\r\n"
        "ひとつ残らず、庭へ運び出した。");

    picture(1, "i16_burn.jpg");
    fade(1000, 0);
    message(
        "最初に火をつけたのは、あのうさぎだった。\r\n"
        "あの人に教わりながら、初めて彫ったうさぎ。");
    message(
        "それから、残りを彫った順に火にくべていった。\r\n"
        "だんだん上手になっていくのが、よく分かった。");
    message(
        "最後は、あの竜だった。\r\n"
        "入試の前の日に彫った、私のいちばんの作品。");
    message(
        "その竜も炎の中で崩れ落ちて、\r\n"
        "何もかもがすっかり灰になったとき……");
    music(0);
    message("……私の冬は、終わった。");

    // The moonlit sky over the house: a window of the great night picture.
    picture(5, "i15_see2.jpg");
    copy(1, 0, 0, 512, 384, 5, 300, 400);
    fade(1000, 0);
    message(
        "あの家のことは、忘れようと思った。\r\n"
        "胸の中の、どっちつかずの気持ちごと。");
    message(
        "いつまでも今のままの私では、\r\n"
        "もう、いられなかったから。");

    music("verdure");
    message(
        "飛沫「決めたって言ってたのに、あの人だって\r\n"
        "　　　星を捨てきれてなかった。」");
    message(
        "飛沫「だから、いつまでも\r\n"
        "　　　この世界に残ってたのかもしれない。」");
    message("飛沫「でも……そんなことは、もう忘れなきゃ。」");

    message(
        "そう言いながら、本当は分かっていた。\r\n"
        "あの人のことは、たぶんずっと忘れられない。");
    message(
        "あの人は、ほろ苦い思い出になって、\r\n"
        "これからも私の中に残り続けるんだろう。");
    message("でも、それでいいんだと思う。");
    message(
        "この冬、私はとてもすてきな経験をした。\r\n"
        "そのぶん、少しだけ背が伸びた気がする。");
    message("それだけのこと。庭には、白い灰が残っていた。");

    platform().set_message("");
    lastscr();
    message("顔を上げると、空いっぱいに星が出ていた。");
    message("満月は、あの帰り道と同じように私を照らしていた。");

    platform().set_message("");
    lastest();
    pause_ms(1000);
    music("murmur");
    fade(1000, 1);
    pause_ms(1000);
    ending();
    set_visible(Control::comend, true);
}

}  // namespace hazama
