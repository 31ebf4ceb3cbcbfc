// Block transfers between planes: the four raster operations, the filled box and the
// stretching copy, with the window system's clipping.
#include "graphics/raster.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace hazama {
namespace {

// A transfer rectangle in both planes; 64-bit so that no caller's numbers can overflow.
struct Span {
    std::int64_t dx, dy, sx, sy, w, h;
};

// Cuts `s` to the parts that lie inside both planes. False when nothing is left.
bool clip(const Plane& dst, const Plane& src, Span& s) {
    if (s.dx < 0) s.sx -= s.dx, s.w += s.dx, s.dx = 0;
    if (s.sx < 0) s.dx -= s.sx, s.w += s.sx, s.sx = 0;
    if (s.dy < 0) s.sy -= s.dy, s.h += s.dy, s.dy = 0;
    if (s.sy < 0) s.dy -= s.sy, s.h += s.sy, s.sy = 0;
    s.w = std::min({s.w, dst.width - s.dx, src.width - s.sx});
    s.h = std::min({s.h, dst.height - s.dy, src.height - s.sy});
    return s.w > 0 && s.h > 0;
}

// Four pixels in one vector register.
using Quad = std::uint32_t __attribute__((vector_size(16)));

// d := f(d, s) over n pixels, four at a time where it can.
template <class Op>
void combine(std::uint32_t* d, const std::uint32_t* s, std::size_t n, Op op) {
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        Quad a, b;
        std::memcpy(&a, d + i, sizeof a);
        std::memcpy(&b, s + i, sizeof b);
        a = op(a, b);
        std::memcpy(d + i, &a, sizeof a);
    }
    for (; i < n; ++i) d[i] = op(d[i], s[i]);
}

void combine_row(std::uint32_t* d, const std::uint32_t* s, std::size_t n, Rop rop) {
    switch (rop) {
        case Rop::SRCCOPY:
            std::memmove(d, s, n * sizeof *d);
            break;
        case Rop::SRCAND:
            combine(d, s, n, [](auto a, auto b) { return a & b; });
            break;
        case Rop::NOTSRCCOPY:
            // Planes carry no alpha: the unused top byte stays zero.
            combine(d, s, n, [](auto, auto b) { return ~b & kWhite; });
            break;
        case Rop::SRCPAINT:
            combine(d, s, n, [](auto a, auto b) { return a | b; });
            break;
    }
}

}  // namespace

void bit_blt(Plane& dst, int dx, int dy, int w, int h, const Plane& src, int sx, int sy, Rop rop) {
    Span s{dx, dy, sx, sy, w, h};
    if (!clip(dst, src, s)) return;
    const auto n = static_cast<std::size_t>(s.w);
    const int rows = static_cast<int>(s.h);
    const int x0 = static_cast<int>(s.dx), y0 = static_cast<int>(s.dy);
    const int sx0 = static_cast<int>(s.sx), sy0 = static_cast<int>(s.sy);

    const bool same = &dst == &src;
    const bool in_place = same && x0 == sx0 && y0 == sy0;
    const bool overlap =
        same && !in_place && x0 < sx0 + s.w && sx0 < x0 + s.w && y0 < sy0 + s.h && sy0 < y0 + s.h;
    if (overlap && rop != Rop::SRCCOPY) {
        dst.pixels.own();
        // Set the source aside, then combine from the copy.
        Plane aside(static_cast<int>(n), rows);
        for (int y = 0; y < rows; ++y) std::memcpy(aside.row(y), src.row(sy0 + y) + sx0, n * 4);
        for (int y = 0; y < rows; ++y) combine_row(dst.row(y0 + y) + x0, aside.row(y), n, rop);
        return;
    }
    if (in_place && rop == Rop::SRCCOPY) return;
    if (rop == Rop::SRCCOPY && !same && rows == dst.height && rows == src.height &&
        s.w == dst.width && s.w == src.width) {
        // The whole of one plane onto the whole of another: no copy of what it held first.
        dst.pixels.assign(src.pixels.begin(), src.pixels.end());
        return;
    }
    // A plane sharing its pixels takes its own copy before the first row is read or written.
    dst.pixels.own();
    // A copy onto itself further down must run from the bottom so rows are read before they
    // are overwritten; memmove takes care of overlap within a row.
    if (overlap && y0 > sy0) {
        for (int y = rows - 1; y >= 0; --y) {
            combine_row(dst.row(y0 + y) + x0, src.row(sy0 + y) + sx0, n, rop);
        }
    } else {
        for (int y = 0; y < rows; ++y) {
            combine_row(dst.row(y0 + y) + x0, src.row(sy0 + y) + sx0, n, rop);
        }
    }
}

void fill_box(Plane& dst, int x, int y, int w, int h, std::uint32_t colour) {
    Span s{x, y, x, y, w, h};
    if (!clip(dst, dst, s)) return;
    for (std::int64_t row = 0; row < s.h; ++row) {
        std::uint32_t* d = dst.row(static_cast<int>(s.dy + row)) + s.dx;
        std::fill(d, d + s.w, colour);
    }
}

void stretch_blt(Plane& dst, int dx, int dy, int dw, int dh, const Plane& src, int sx, int sy,
                 int sw, int sh) {
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    // Each destination pixel takes the source pixel under its centre.
    auto source_of = [](std::int64_t i, std::int64_t from, std::int64_t size, std::int64_t to) {
        return from + ((2 * i + 1) * size) / (2 * to);
    };
    const std::int64_t x_begin = std::max<std::int64_t>(0, -std::int64_t{dx});
    const std::int64_t x_end = std::min<std::int64_t>(dw, std::int64_t{dst.width} - dx);
    const std::int64_t y_begin = std::max<std::int64_t>(0, -std::int64_t{dy});
    const std::int64_t y_end = std::min<std::int64_t>(dh, std::int64_t{dst.height} - dy);
    if (x_begin >= x_end || y_begin >= y_end) return;
    dst.pixels.own();

    std::vector<int> columns;  // source column of each destination column, -1 when outside
    columns.reserve(static_cast<std::size_t>(x_end - x_begin));
    for (std::int64_t i = x_begin; i < x_end; ++i) {
        const std::int64_t c = source_of(i, sx, sw, dw);
        columns.push_back(c >= 0 && c < src.width ? static_cast<int>(c) : -1);
    }
    for (std::int64_t j = y_begin; j < y_end; ++j) {
        const std::int64_t r = source_of(j, sy, sh, dh);
        if (r < 0 || r >= src.height) continue;
        const std::uint32_t* s = src.row(static_cast<int>(r));
        std::uint32_t* d = dst.row(static_cast<int>(dy + j)) + (dx + x_begin);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (columns[i] >= 0) d[i] = s[columns[i]];
        }
    }
}

}  // namespace hazama
