// The command bar: com, com_no, look and talk, and the dispatch to the location routines.
#include "form/main_form.h"

namespace hazama {
namespace {

// The button group that com and com_no switch, in their order.
constexpr Control kCommandGroup[] = {Control::commove, Control::comtalk, Control::comlook,
                                     Control::comsave, Control::comload};

}  // namespace

void MainForm::com_no() {
    for (Control c : kCommandGroup) set_enabled(c, false);
}

void MainForm::com() {
    message_line_.clear();
    message_key_.clear();
    platform_.set_message("");
    face(0);
    for (Control c : kCommandGroup) set_enabled(c, true);
    f00 = 0;
}

void MainForm::comlook_Click() {
    log_command("look");
    com_no();
    if (position >= 1 && position <= 99) f00 = 3;
    ikisaki();
}

void MainForm::comtalk_Click() {
    log_command("talk");
    com_no();
    if (position >= 1 && position <= 99) f00 = 2;
    ikisaki();
}

void MainForm::ikisaki() {
    switch (position) {
        case 0:
            g00();
            break;
        case 1:
            g01();
            break;
        case 2:
            g02();
            break;
        case 3:
            g03();
            break;
        case 4:
            g04();
            break;
        case 5:
            g05();
            break;
        case 6:
            g06();
            break;
        case 7:
            g07();
            break;
        case 8:
            g08();
            break;
        case 9:
            g09();
            break;
        case 10:
            g10();
            break;
        case 11:
            g11();
            break;
        case 12:
            g12();
            break;
        case 13:
            g13();
            break;
        case 14:
            g14();
            break;
        case 15:
            g15();
            break;
        case 16:
            g16();
            break;
        case 17:
            g17();
            break;
        case 18:
            g18();
            break;
        case 19:
            g19();
            break;
        default:
            break;  // no routine: the buttons stay disabled
    }
}

}  // namespace hazama
