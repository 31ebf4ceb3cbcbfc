// Decoding picture files (JPEG, GIF, PNG, BMP) into planes with Qt's image readers.
#pragma once

#include <QImage>
#include <string>

#include "graphics/plane.h"

namespace hazama {

// False with a reason when the file is missing or not a picture.
bool decode_picture(const std::string& path, Plane& into, std::string& error);

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
