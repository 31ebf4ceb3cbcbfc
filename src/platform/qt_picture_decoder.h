// Decoding picture files (JPEG, GIF, PNG, BMP) into planes with Qt's image readers.
#pragma once

#include <string>

#include "graphics/plane.h"

namespace hazama {

// False with a reason when the file is missing or not a picture.
bool decode_picture(const std::string& path, Plane& into, std::string& error);

// Writes a plane as a PNG file; false when the file cannot be written.
bool write_png(const Plane& plane, const std::string& path);

}  // namespace hazama
