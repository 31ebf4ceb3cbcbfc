// Decoding picture files (JPEG, GIF, PNG, BMP) into planes with Qt's image readers.
#pragma once

#include <QImage>
#include <string>

#include "graphics/plane.h"

namespace hazama {

// The largest picture decoded: a side of the panorama is 1280 pixels, and a player's own
// pictures may well be larger, but one whose header asks for more than this is refused
// before anything of its size is made.
inline constexpr int kLargestPictureSide = 16384;
inline constexpr int kLargestPicturePixels = 4096 * 4096;
inline constexpr std::size_t kLargestPictureFile = std::size_t{64} << 20;
bool picture_size_ok(int width, int height);

// False with a reason when the file is missing, not a plain file, too large, not a
// picture or a picture of more than kLargestPicturePixels.
bool decode_picture(const std::string& path, Plane& into, std::string& error);

// A picture file as an image, read and checked as decode_picture reads and checks it;
// a null image, and why, when it is refused. For the window's own art.
QImage decode_image(const std::string& path, std::string& error);

// Qt takes the first thread that uses it for its main thread, and the image readers it loads
// live there. A program without a QCoreApplication that decodes pictures on threads of its
// own calls this first, on its main thread: else one of those threads, once ended, would
// leave the readers to a thread that is gone (and the program's end to corrupt its heap).
void make_this_qt_main_thread();

// The plane's pixels as an image, without a copy: they are 0x00RRGGBB, which RGB32 reads as
// they are. The image is valid while the plane's buffer is.
QImage plane_image(const Plane& plane);

// Writes a plane as a PNG file; false when the file cannot be written.
bool write_png(const Plane& plane, const std::string& path);

}  // namespace hazama
