// Where each control of the game window stands, in the design's pixels of the 634 × 463
// client area, and the faces and sizes of its texts: both faces place their controls from
// here (the desktop scales them all by one factor; the web page by CSS).
#pragma once

#include <array>

#include "platform/platform.h"
#include "text/catalogue.h"

namespace hazama {

struct StageRect {
    int x, y, width, height;
};

inline constexpr int kClientWidth = 634;
inline constexpr int kClientHeight = 463;

// The scene picture (picmain0), the portrait, the message line and the logo.
inline constexpr StageRect kScenePlace{4, 5, 512, 384};
inline constexpr StageRect kPortraitPlace{32, 396, 65, 65};
inline constexpr StageRect kMessagePlace{112, 397, 513, 65};
inline constexpr StageRect kLogoPlace{520, 9, 106, 52};
// The waiting indicator's two frames share one square.
inline constexpr StageRect kIndicatorPlace{599, 428, 32, 32};
// The maker's notice starts here, under the logo; its size is its text's.
inline constexpr int kNoticeX = 528;
inline constexpr int kNoticeY = 64;
// The marks beside the waiting indicator: auto-advance on, lines being skipped.
inline constexpr StageRect kAutoMarkPlace{540, 431, 56, 13};
inline constexpr StageRect kSkipMarkPlace{540, 445, 56, 13};
inline constexpr const char* kAutoMark = to_translate("オート");
inline constexpr const char* kSkipMark = to_translate("スキップ");

// The text faces, by the names the window's design gives them, in points at 96 dpi.
inline constexpr double kMessagePoints = 14.25;  // gothic
inline constexpr double kNoticePoints = 9;       // gothic
inline constexpr double kCreditPoints = 9;       // mincho, the credit labels
inline constexpr double kMarkPoints = 8;         // gothic

// The command buttons: the four small ones with a caption (its mnemonic after '&'), the
// three with pictures (the words they show, for screen readers). The captions are the keys
// of what is shown; the small buttons keep their Alt letters in English too.
struct ButtonPlace {
    Control control;
    StageRect place;
    const char* caption;
};
inline constexpr std::array<ButtonPlace, 7> kButtonPlaces{{
    {Control::comsave, {529, 103, 97, 17}, to_translate("セーブ(&S)")},
    {Control::comload, {530, 128, 97, 17}, to_translate("ロード(&O)")},
    {Control::comstart, {529, 153, 97, 17}, to_translate("始めから(&F)")},
    {Control::comend, {529, 232, 97, 17}, to_translate("終了(&Q)")},
    {Control::commove, {529, 257, 97, 41}, to_translate("移動")},
    {Control::comtalk, {529, 305, 97, 41}, to_translate("話す")},
    {Control::comlook, {529, 355, 97, 41}, to_translate("見る")},
}};

constexpr const ButtonPlace& button_place(Control control) {
    for (const ButtonPlace& b : kButtonPlaces) {
        if (b.control == control) return b;
    }
    return kButtonPlaces[0];
}

}  // namespace hazama
