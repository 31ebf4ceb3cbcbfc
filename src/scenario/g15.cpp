// Location 15: Home at the end: the bonfire of her carvings, the night sky, the staff roll.
#include "form/main_form.h"

namespace hazama {

// The same ending whatever the command. It never gives the buttons back: once the roll is
// over, the quit button is all that is left.
void MainForm::g15() {
    music("mind");
    fade(1000, 1);
    message(
        "家に帰ると、部屋の棚の木彫りを全部、\r\n"
        "庭へ運び出した。母は黙って、マッチをくれた。");

    picture(1, "i16_burn.jpg");
    fade(1000, 0);
    message(
        "白い塗料が、まっ先に泡になってはじけた。\r\n"
        "ろうの甘い匂いが、煙にまじる。");
    message(
        "それから、残りを彫った順に火にくべていく。\r\n"
        "一個ごとに、刃の跡が細かくなっていく。");
    message(
        "最後は、入試の前の日に彫った竜。\r\n"
        "うろこの一枚一枚が、赤く光る。");
    message(
        "その竜も炎の中で崩れ落ちて、\r\n"
        "白い灰になった。");
    music(0);
    message("火の粉がひとつ、暗い空へ上っていって、消えた。");

    // The night sky over the house: a window of the great night picture, no moon in it yet.
    picture(5, "i15_see2.jpg");
    copy(1, 0, 0, 512, 384, 5, 300, 400);
    fade(1000, 0);
    message(
        "部屋の棚は、空っぽ。\r\n"
        "玄関の靴箱の上には、あのいのししが戻っている。");
    message(
        "通学路の黄色と黒の柵は、\r\n"
        "今朝見たら、半分片づけられていた。");

    music("verdure");
    message("飛沫「望遠鏡のふた、あの人、閉めていったかな。」");
    message("飛沫「学校でも、蓮美から逃げちゃった。」");
    message("飛沫「電話して、おめでとう、言い直さなきゃ。」");

    message(
        "右手の親指の腹が、刃の背を押す形に、\r\n"
        "硬くなっている。");
    message(
        "指先には、刃でつけた小さな傷が、\r\n"
        "いくつも残っている。");
    message("中指のペンだこには、インクがしみている。");
    message(
        "最後のページのうさぎは、月に帰る前の後ろ姿で、\r\n"
        "女の子と流れ星を見上げている。");
    message("庭の白い灰は、まだあたたかい。");

    platform().set_message("");
    lastscr();
    message("細い煙の向こう、星のあいだに、やっと月が出ている。");
    message("まるい光が、煤で黒くなった私の手を照らしている。");

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
