// A picture plane: a buffer of 0x00RRGGBB pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace hazama {

// The pixels of a plane, shared by its copies until one of them is written: a checkpoint,
// a decoded picture kept for the next replay and the plane it was loaded into hold one
// buffer between them. Whatever hands out a writable pixel (the non-const data, begin,
// end and []) first gives this copy a buffer of its own.
class Pixels {
  public:
    using value_type = std::uint32_t;
    using size_type = std::size_t;
    using iterator = std::uint32_t*;
    using const_iterator = const std::uint32_t*;

    std::size_t size() const { return buffer_ ? buffer_->size() : 0; }
    bool empty() const { return size() == 0; }

    const std::uint32_t* data() const { return buffer_ ? buffer_->data() : nullptr; }
    std::uint32_t* data() {
        own();
        return buffer_ ? buffer_->data() : nullptr;
    }
    const_iterator begin() const { return data(); }
    const_iterator end() const { return data() + size(); }
    iterator begin() { return data(); }
    iterator end() { return data() + size(); }
    std::uint32_t operator[](std::size_t i) const { return data()[i]; }
    std::uint32_t& operator[](std::size_t i) { return data()[i]; }

    // `count` pixels of `fill`; a buffer of its own is refilled where it stands.
    void assign(std::size_t count, std::uint32_t fill);
    // A copy of [first, last) in a buffer of this plane's own (not shared with the source).
    void assign(const std::uint32_t* first, const std::uint32_t* last);
    // Gives this copy a buffer of its own now, before any pointer into it is taken.
    void own();

    // Whether `other` holds this very buffer (and so the same pixels).
    bool shares(const Pixels& other) const { return buffer_ == other.buffer_; }
    const std::vector<std::uint32_t>& vector() const;
    operator const std::vector<std::uint32_t>&() const { return vector(); }

    friend bool operator==(const Pixels& a, const Pixels& b) {
        return a.shares(b) || a.vector() == b.vector();
    }
    friend bool operator==(const Pixels& a, const std::vector<std::uint32_t>& b) {
        return a.vector() == b;
    }

  private:
    // Makes the buffer one of `count` pixels that this copy alone holds (the one it has,
    // when it does); what it holds is for the caller to set.
    void hold_alone(std::size_t count);

    std::shared_ptr<std::vector<std::uint32_t>> buffer_;
};

struct Plane {
    int width = 0;
    int height = 0;
    Pixels pixels;  // row-major, width * height

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
    std::size_t bytes() const { return pixels.size() * sizeof(std::uint32_t); }
    bool operator==(const Plane&) const = default;
};

}  // namespace hazama
