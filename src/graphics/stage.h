// Helpers the picture operations share: the picture area and loading into a plane.
#pragma once

#include <string_view>

#include "graphics/plane.h"

namespace hazama {

class MainForm;

// The picture area; every plane but the panorama plane has this size.
inline constexpr int kStageWidth = 512;
inline constexpr int kStageHeight = 384;

// Puts a loaded picture into a plane of the picture area's size, from the top-left and cut
// to the plane; a smaller picture leaves the rest of the plane black.
void put_picture(Plane& plane, const Plane& picture);

// Loads "gra/<file>" into picmain(plane) without a trace line: plane 5 takes the picture's
// size, the others are the picture area. FatalError when the file cannot be loaded.
void load_into(MainForm& form, int plane, std::string_view file);

}  // namespace hazama
