// Location 15: Home at the end: the bonfire of her carvings, the night sky, the staff roll.
#include "form/main_form.h"

namespace hazama {

// The same ending whatever the command. It never gives the buttons back: once the roll is
// over, the quit button is all that is left.
void MainForm::g15() {
    music("mind");
    fade(1000, 1);
    message(
        "家に帰ると、私は棚に並んだ木彫りを\r\n"
        "ひとつ残らず、庭へ運び出した。");

    picture(1, "i16_burn.jpg");
    fade(1000, 0);
    message(
        "最初に火をつけたのは、あのうさぎだった。\r\n"
        "売るつもりで、結局手放せなかったうさぎ。");
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
        "同じところで足踏みしている私には、\r\n"
        "もう、戻りたくなかったから。");

    music("verdure");
    message(
        "飛沫「あの人だって、星を見る建物を\r\n"
        "　　　壊さないで、ちゃんと残してた。」");
    message(
        "飛沫「決めたって言ってたくせに。……だから、\r\n"
        "　　　あの家に、ずっといたのかな。」");
    message("飛沫「……もう、考えるのはやめ。」");

    message(
        "そう言いながら、本当は分かっていた。\r\n"
        "あの人のことは、たぶんずっと忘れられない。");
    message(
        "彫刻刀の重さも、木くずの匂いも、\r\n"
        "この手がずっと覚えているんだろう。");
    message("それでいいと思う。");
    message(
        "この冬、私は木を彫ることを覚えて、\r\n"
        "マンガを一本、最後まで描き上げた。");
    message("それだけのこと。庭には、白い灰が残っていた。");

    platform().set_message("");
    lastscr();
    message("顔を上げると、冬の星が出ていた。");
    message("ゆうべと同じまるい月が、私の足元まで照らしていた。");

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
