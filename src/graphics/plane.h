// A picture plane: an owning buffer of 0x00RRGGBB pixels.
#pragma once

#include <cstdint>
#include <vector>

namespace hazama {

struct Plane {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // row-major, width * height

    Plane() = default;
    Plane(int w, int h, std::uint32_t fill = 0) { resize(w, h, fill); }

    void resize(int w, int h, std::uint32_t fill = 0) {
        width = w;
        height = h;
        pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill);
    }
    std::uint32_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
    const std::uint32_t* row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * width;
    }
    std::uint32_t at(int x, int y) const { return row(y)[x]; }
    bool empty() const { return pixels.empty(); }
    bool operator==(const Plane&) const = default;
};

}  // namespace hazama
