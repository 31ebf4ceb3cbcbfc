// Block transfers between planes: the four raster operations, the filled box and the
// stretching copy, with the window system's clipping.
#pragma once

#include <cstdint>

#include "graphics/plane.h"

namespace hazama {

// The raster operations the game uses, by their window-system codes.
enum class Rop : std::uint32_t {
    SRCCOPY = 0x00CC0020,     // dst := src
    SRCAND = 0x008800C6,      // dst := dst AND src
    NOTSRCCOPY = 0x00330008,  // dst := NOT src
    SRCPAINT = 0x00EE0086,    // dst := dst OR src
};

inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

// Combines the w x h rectangle of `src` at (sx, sy) into `dst` at (dx, dy). Whatever part of
// the rectangle lies outside either plane is cut away; the rest lands where it would have
// landed uncut. `src` and `dst` may be the same plane, even with overlapping rectangles: the
// result is as if the source had been copied aside first.
void bit_blt(Plane& dst, int dx, int dy, int w, int h, const Plane& src, int sx, int sy,
             Rop rop = Rop::SRCCOPY);

// Fills the w x h box at (x, y), cut to the plane, with one colour.
void fill_box(Plane& dst, int x, int y, int w, int h, std::uint32_t colour);

// Copies the sw x sh rectangle of `src` at (sx, sy) onto the dw x dh rectangle of `dst` at
// (dx, dy), picking the nearest source pixel for each destination pixel. Destination pixels
// outside `dst`, or whose source pixel lies outside `src`, are left alone. `src` and `dst`
// must be different planes.
void stretch_blt(Plane& dst, int dx, int dy, int dw, int dh, const Plane& src, int sx, int sy,
                 int sw, int sh);

}  // namespace hazama
