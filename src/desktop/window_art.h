// The pictures of the window itself: frame, logo, indicator frames, button faces, icon.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <filesystem>

namespace hazama {

// The pictures the window draws, each with the size the window's layout expects.
enum class WindowArt {
    frame,    // frame.jpg, 640 x 480, the background from the top-left corner
    logo,     // logo.gif, 106 x 52
    imamou0,  // imamou0.gif, 32 x 32, waiting indicator frame 1
    imamou1,  // imamou1.gif, 32 x 32, waiting indicator frame 2
    move,     // move.gif, move_down.gif, move_off.gif: the move button, 97 x 41
    move_down,
    move_off,
    talk,
    talk_down,
    talk_off,
    look,
    look_down,
    look_off,
    icon,  // icon.png, 32 x 32
};

// Loads gra/window/<file> below `root` (case-insensitively). A missing or unreadable
// picture is replaced by a plain drawing of the same size, so the window always opens.
QPixmap window_picture(const std::filesystem::path& root, WindowArt art);

// The same in two steps, so that a large picture can be decoded on another thread while the
// window builds its controls: the file decoded (a null image when it is missing or
// unreadable; safe on any thread), then the pixmap, or the stand-in for a null image.
QImage decode_window_art(const std::filesystem::path& root, WindowArt art);
QPixmap window_picture(QImage decoded, WindowArt art);

// How many times larger the pictures under gra/window/large/ are drawn.
inline constexpr int kLargeArt = 4;

// The same picture drawn kLargeArt times larger from its source (gra/window/large/<name>,
// PNG, or JPEG for the frame), for a window scaled up: scaled down from it, it stays
// crisp. A null pixmap when there is none of that size, or when it is older than the
// picture itself (a player's own picture dropped in its place), so the picture is scaled.
QPixmap large_window_picture(const std::filesystem::path& root, WindowArt art);

// A command button's face in English: gra/window/NAME_en.gif, or large/NAME_en.png when
// `large`; the Japanese face where there is none of the right size.
QPixmap english_window_picture(const std::filesystem::path& root, WindowArt art, bool large);

// The file name under gra/window/ of a picture.
QString window_file(WindowArt art);

}  // namespace hazama
